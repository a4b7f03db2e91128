#include "evaluation/Wertetabelle.h"

#include <algorithm>
#include <cmath>

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"

namespace Auswertung {

int FuelleWertTab(const ZeroSet& KPMenge, const std::array<RationalT, 3>& RR, Werte& WertTab) {
  const int n = std::min(KPMenge.count(), kTabellenSpalten);
  for (int s = 1; s <= n; ++s) {
    const double x = KPMenge[s];
    WertTab[0][s] = x;
    for (int r = 1; r <= 3; ++r) WertTab[r][s] = RR[r - 1].FWert(x);
  }
  return n;
}

std::string Ergebnistext(std::int32_t Stellenzahl, double wert) {
  return std::isnan(wert) ? "" : text::Str(Zahl::Gerundet(Stellenzahl, wert));
}

}  // namespace Auswertung
