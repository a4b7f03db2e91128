#include <cmath>

#include "GeneratedPolynomials.h"
#include "RootsTestSupport.h"
#include "algebra/Zahlen.h"
#include "roots/Nullstellen.h"

namespace {

using KnownZerosTest = CoreTest;

// School polynomials built from their zeros: the answer is unambiguous at these tolerances.
// Simple zeros are found within 1e-9, zeros of multiplicity 2 and 3 within 1e-6, each once, and
// no point lies away from a zero.
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
      bool found = false;
      for (int j = 1; j <= z.count(); ++j)
        found = found || std::abs(z[j] - g.zeros[i]) < tolerance(i, 1e-9, 1e-6);
      EXPECT_TRUE(found) << g.name << ": zero " << g.zeros[i];
    }
    EXPECT_EQ(z.count(), static_cast<int>(g.zeros.size())) << g.name;
    for (int j = 1; j <= z.count(); ++j) {
      bool nearZero = false;
      for (std::size_t i = 0; i < g.zeros.size(); ++i)
        nearZero = nearZero || std::abs(z[j] - g.zeros[i]) < tolerance(i, 1e-9, 1e-6);
      EXPECT_TRUE(nearZero) << g.name << ": point " << z[j];
      keptForTheSignChange += !Zahl::IstNull(p.FWert(z[j]));
    }
  }
  EXPECT_GT(checked, 600);
  // The absolute test alone would have lost these.
  EXPECT_GT(keptForTheSignChange, 0);
}

}  // namespace
