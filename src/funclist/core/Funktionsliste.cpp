#include "funclist/core/Funktionsliste.h"

#include <algorithm>

namespace Funktionsliste {

bool IstSchonImRing(const std::vector<std::string>& RListe, std::string_view s) {
  return std::find(RListe.begin(), RListe.end(), s) != RListe.end();
}

void fInRListeEinfuegen(std::vector<std::string>& RListe, const std::string& s) {
  if (!IstSchonImRing(RListe, s) && Dateigroesse(RListe) + 1 + s.size() <= kGroessteDatei)
    RListe.push_back(s);
}

bool DateiinhaltSchreiben(const std::vector<std::string>& RListe,
                          const std::function<bool(std::string_view)>& schreiben) {
  std::string stueck;
  stueck.reserve(kSchreibstueck);
  bool genommen = true;
  const auto anhaengen = [&](std::string_view text) {
    while (genommen && stueck.size() + text.size() >= kSchreibstueck) {
      const std::size_t platz = kSchreibstueck - stueck.size();
      stueck.append(text.substr(0, platz));
      text.remove_prefix(platz);
      genommen = schreiben(stueck);
      stueck.clear();
    }
    stueck.append(text);
  };
  for (std::size_t i = 1; i < RListe.size() && genommen; ++i) {
    anhaengen("$");
    anhaengen(RListe[i]);
  }
  anhaengen("\n");
  return genommen && (stueck.empty() || schreiben(stueck));
}

std::size_t Dateigroesse(const std::vector<std::string>& RListe) {
  std::size_t groesse = 1;
  for (std::size_t i = 1; i < RListe.size(); ++i) groesse += 1 + RListe[i].size();
  return groesse;
}

Speicherhindernis Hindernis(const std::vector<std::string>& RListe) {
  if (Dateigroesse(RListe) > kGroessteDatei) return Speicherhindernis::ZuGross;
  if (RListe.size() < 2) return Speicherhindernis::Keines;
  const std::string& letzter = RListe.back();
  if (letzter.empty() || letzter.back() == '\r' || letzter.back() == '\n')
    return Speicherhindernis::LetzterEintrag;
  return Speicherhindernis::Keines;
}

std::vector<std::string_view> Eintraege(std::string_view inhalt) {
  // The dropped first character may take several bytes in UTF-8.
  std::size_t erstes = inhalt.empty() ? 0 : 1;
  while (erstes < inhalt.size() && (static_cast<unsigned char>(inhalt[erstes]) & 0xC0) == 0x80)
    ++erstes;
  std::string_view rest = inhalt.substr(erstes);
  std::vector<std::string_view> stuecke;
  stuecke.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '$')) + 1);
  for (auto k = rest.find('$'); k != std::string_view::npos; k = rest.find('$')) {
    stuecke.emplace_back(rest.substr(0, k));
    rest = rest.substr(k + 1);
  }
  while (!rest.empty() && (rest.back() == '\r' || rest.back() == '\n')) rest.remove_suffix(1);
  if (!rest.empty()) stuecke.emplace_back(rest);
  return stuecke;
}

}  // namespace Funktionsliste
