#include "funclist/core/Listenbefehle.h"

#include <algorithm>
#include <unordered_set>

#include "algebra/TextSemantics.h"

namespace Funktionsliste {

std::string Anzeigetext(const std::vector<std::string>& RListe) {
  const std::string zeilenende = text::Chr(10) + text::Chr(13);
  std::string t = "Verwendete Funktionsterme:" + zeilenende;
  for (const auto& eintrag : RListe) t += eintrag + zeilenende;
  return t;
}

std::int32_t NaechsterZeiger(const std::vector<std::string>& RListe, std::int32_t PZeiger) {
  const auto letzter = static_cast<std::int64_t>(RListe.size()) - 1;
  return PZeiger < letzter ? PZeiger + 1 : 0;
}

void EintraegeAnfuegen(std::vector<std::string>& RListe, const std::vector<std::string>& stuecke) {
  std::unordered_set<std::string> vorhanden(RListe.begin(), RListe.end());
  for (const auto& s : stuecke)
    if (vorhanden.insert(s).second) RListe.push_back(s);
}

void Entfernen(std::vector<std::string>& RListe, const std::string& s) {
  if (RListe.size() < 2) return;
  const auto treffer = std::find(RListe.begin() + 1, RListe.end(), s);
  if (treffer != RListe.end()) RListe.erase(treffer);
}

}  // namespace Funktionsliste
