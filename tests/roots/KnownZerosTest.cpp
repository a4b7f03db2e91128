#include <cmath>

#include "GeneratedPolynomials.h"
#include "RootsTestSupport.h"
#include "algebra/Zahlen.h"
#include "roots/Nullstellen.h"

namespace {

using KnownZerosTest = CoreTest;

// School polynomials built from their zeros: the answer is unambiguous at these tolerances.
// Simple zeros within 1e-9 and double zeros within 1e-4 are found; zeros of multiplicity 3 may
// drown in the rounding noise of a large constant factor, like every point of a flat region, so
// for them only the converse holds: no point lies away from a zero.
TEST_F(KnownZerosTest, SchoolPolynomialsLoseNoZeroAndGainNone) {
  int checked = 0;
  int keptForTheSignChange = 0;
  for (const auto& g : SchoolPolynomials(600)) {
    if (!g.zerosKnown) continue;
    ++checked;
    PolynomT p;
    Setze(p, g);
    ZeroSet z;
    Analyse::FindeNullstellen(p, z);
    const auto tolerance = [&g](std::size_t i, double simple, double multiple) {
      return g.multiplicities[i] == 1 ? simple : multiple;
    };
    for (std::size_t i = 0; i < g.zeros.size(); ++i) {
      if (g.multiplicities[i] > 2) continue;
      bool found = false;
      for (int j = 1; j <= z.count(); ++j)
        found = found || std::abs(z[j] - g.zeros[i]) < tolerance(i, 1e-9, 1e-4);
      EXPECT_TRUE(found) << g.name << ": zero " << g.zeros[i];
    }
    for (int j = 1; j <= z.count(); ++j) {
      bool nearZero = false;
      for (std::size_t i = 0; i < g.zeros.size(); ++i)
        nearZero = nearZero || std::abs(z[j] - g.zeros[i]) < tolerance(i, 1e-9, 1e-3);
      EXPECT_TRUE(nearZero) << g.name << ": point " << z[j];
      keptForTheSignChange += !Zahl::IstNull(p.FWert(z[j]));
    }
  }
  EXPECT_GT(checked, 600);
  // The absolute test alone would have lost these.
  EXPECT_GT(keptForTheSignChange, 0);
}

}  // namespace
