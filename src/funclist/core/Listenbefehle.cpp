#include "funclist/core/Listenbefehle.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "algebra/TextSemantics.h"
#include "funclist/core/Funktionsliste.h"

namespace Funktionsliste {

std::string Anzeigetext(const std::vector<std::string>& RListe) {
  const std::string zeilenende = text::Chr(10) + text::Chr(13);
  std::string t = "Verwendete Funktionsterme:" + zeilenende;
  std::size_t groesse = t.size();
  for (const auto& eintrag : RListe) groesse += eintrag.size() + zeilenende.size();
  t.reserve(groesse);
  for (const auto& eintrag : RListe) t.append(eintrag).append(zeilenende);
  return t;
}

std::int32_t NaechsterZeiger(const std::vector<std::string>& RListe, std::int32_t PZeiger) {
  const auto letzter = static_cast<std::int64_t>(RListe.size()) - 1;
  return PZeiger < letzter ? PZeiger + 1 : 0;
}

bool EintraegeAnfuegen(std::vector<std::string>& RListe,
                       const std::vector<std::string_view>& stuecke) {
  std::vector<bool> neu(stuecke.size());
  std::size_t anzahl = RListe.size();
  std::size_t groesse = Dateigroesse(RListe);
  {
    // Views into the list, which stays in place as long as the set lives.
    std::unordered_set<std::string_view> vorhanden;
    vorhanden.reserve(RListe.size() + stuecke.size());
    for (const auto& eintrag : RListe) vorhanden.insert(eintrag);
    for (std::size_t i = 0; i < stuecke.size(); ++i) {
      if (!vorhanden.insert(stuecke[i]).second) continue;
      neu[i] = true;
      ++anzahl;
      groesse += 1 + stuecke[i].size();
    }
  }
  if (groesse > kGroessteDatei) return false;
  RListe.reserve(anzahl);
  for (std::size_t i = 0; i < stuecke.size(); ++i)
    if (neu[i]) RListe.emplace_back(stuecke[i]);
  return true;
}

void Entfernen(std::vector<std::string>& RListe, const std::string& s) {
  if (RListe.size() < 2) return;
  const auto treffer = std::find(RListe.begin() + 1, RListe.end(), s);
  if (treffer != RListe.end()) RListe.erase(treffer);
}

}  // namespace Funktionsliste
