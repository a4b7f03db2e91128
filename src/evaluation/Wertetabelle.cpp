#include "evaluation/Wertetabelle.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "exact/Function.h"
#include "roots/KritischePunkte.h"

namespace Auswertung {

namespace {

// f, f' and f'' at x, exactly and rounded once; 0 where the decomposition says x is a zero, since
// the Double x only lies next to an irrational one.
void ExakteWerte(const exact::Function& f, const std::vector<Analyse::KritischeStelle>& stellen,
                 double x, Werte& WertTab, int s) {
  unsigned nullstelleVon = 0;
  for (const Analyse::KritischeStelle& k : stellen)
    if (k.x == x) nullstelleVon = k.nullstelleVon;
  for (int i = 0; i <= 2; ++i) {
    const std::optional<double> v = f.Value(i, x);
    WertTab[i + 1][s] = (nullstelleVon >> i) & 1 ? 0 : v.value_or(std::numeric_limits<double>::quiet_NaN());
  }
}

}  // namespace

int FuelleWertTab(const ZeroSet& KPMenge, const std::array<RationalT, 3>& RR, Werte& WertTab) {
  const int n = std::min(KPMenge.count(), kTabellenSpalten);
  const RationalT& f = RR[0];
  const bool exakt = exact::ExactOf(f) != nullptr;
  const std::vector<Analyse::KritischeStelle> stellen =
      exakt ? Analyse::KritischeStellen(*f.exakt) : std::vector<Analyse::KritischeStelle>{};
  for (int s = 1; s <= n; ++s) {
    const double x = KPMenge[s];
    WertTab[0][s] = x;
    if (exakt) {
      ExakteWerte(*f.exakt, stellen, x, WertTab, s);
    } else {
      for (int r = 1; r <= 3; ++r) WertTab[r][s] = RR[r - 1].FWert(x);
    }
  }
  return n;
}

std::string Ergebnistext(std::int32_t Stellenzahl, double wert) {
  return std::isnan(wert) ? "" : text::Str(Zahl::Gerundet(Stellenzahl, wert));
}

}  // namespace Auswertung
