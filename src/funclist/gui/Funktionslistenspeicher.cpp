#include "app/HauptF.h"
#include "funclist/core/Funktionsliste.h"

bool HauptF::IstSchonImRing(std::string_view s) const {
  return Funktionsliste::IstSchonImRing(RListe, s);
}

void HauptF::fInRListeEinfuegen(const std::string& s) {
  Funktionsliste::fInRListeEinfuegen(RListe, s);
}
