#include "evaluation/Wertetabelle.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "exact/Function.h"
#include "roots/ExakteNullstellen.h"

namespace Auswertung {

namespace {

// The derivative of order i at x, exactly and rounded once; 0 where x is one of its zeros, as
// the critical points were found, since the Double x only lies next to an irrational zero.
double ExakterWert(const exact::Function& f, int i, double x) {
  for (const Analyse::Linearfaktor& z : Analyse::Linearfaktoren(f.DerivativeFactors(i)))
    if (!Zahl::SindVerschieden(z.x, x)) return 0;
  const std::optional<exact::Rational> v = f.Value(i, x);
  return v ? v->ToDouble() : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

int FuelleWertTab(const ZeroSet& KPMenge, const std::array<RationalT, 3>& RR, Werte& WertTab) {
  const int n = std::min(KPMenge.count(), kTabellenSpalten);
  const RationalT& f = RR[0];
  const bool exakt = f.exakt && f.exakt->Describes(f);
  for (int s = 1; s <= n; ++s) {
    const double x = KPMenge[s];
    WertTab[0][s] = x;
    for (int r = 1; r <= 3; ++r)
      WertTab[r][s] = exakt ? ExakterWert(*f.exakt, r - 1, x) : RR[r - 1].FWert(x);
  }
  return n;
}

std::string Ergebnistext(std::int32_t Stellenzahl, double wert) {
  return std::isnan(wert) ? "" : text::Str(Zahl::Gerundet(Stellenzahl, wert));
}

}  // namespace Auswertung
