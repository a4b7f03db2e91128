#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>

#include "CoreTest.h"
#include "ExactTestSupport.h"
#include "TestFunctions.h"
#include "algebra/RationalT.h"
#include "exact/Function.h"
#include "exact/FunctionValue.h"

namespace {

using exact::FunctionValue;
using exact::Polynomial;

using FunctionValueTest = CoreTest;

// f with the rounded Doubles of two term texts and, where wanted, the exact terms behind them.
void Setze(RationalT& f, const char* numerator, const char* denominator, bool exakt) {
  const Polynomial zl = Term(numerator);
  const Polynomial nn = Term(denominator);
  ASSERT_TRUE(zl.RoundInto(f.Zl) && nn.RoundInto(f.Nn));
  f.Np = 1;
  f.exakt = exakt ? std::make_shared<const exact::Function>(zl, nn, f) : nullptr;
}

// The 421 sample points of a drawing from xmin to xmax and the one left of it.
template <class Check>
void AtEverySample(double xmin, double xmax, Check check) {
  const double deltax = (xmax - xmin) / 420;
  for (int S = -1; S <= 420; ++S) check(xmin + S * deltax);
}

// Only where a term's Double value drowns in its noise, as beside the numerator's zero 2 of the
// start function, may the value differ, and there by no more than the noise.
TEST_F(FunctionValueTest, AboveTheNoiseTheValuesAreFWertBitForBit) {
  struct Case {
    const char* why;
    const char* zaehler;
    const char* nenner;
    double xmin, xmax;
  };
  const Case cases[] = {
      {"the start function in its plot range", "(x-2)(x^2+x+1)(x^2-3)", "(x+4)(x^2+1)^2", -4.6,
       2.6},
      {"a polynomial far beyond the view", "x^12", "1", -5, 5},
      {"a simple gap", "1", "x", -5, 5},
      {"a double gap far from the view", "x", "(x-30)^2", -5, 5},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, c.zaehler, c.nenner, true);
    const FunctionValue value(f);
    AtEverySample(c.xmin, c.xmax, [&](double x) {
      const double y = value.At(x);
      const double fwert = f.FWert(x);
      if (std::isnan(fwert)) {
        EXPECT_TRUE(std::isnan(y)) << c.why << " at " << x;
      } else {
        EXPECT_TRUE(y == fwert || std::abs(y - fwert) < 1e-12)
            << c.why << " at " << x << ": " << y << " for " << fwert;
      }
    });
  }
}

TEST_F(FunctionValueTest, BesideAPoleOfHighOrderTheSignIsTheExactOne) {
  struct Case {
    const char* zaehler;
    const char* nenner;
    double pol;
  };
  const Case cases[] = {
      {"1", "(x-1.25)^14", 1.25},  {"x^2", "(x-1)^10", 1}, {"1", "(x-0.5)^12", 0.5},
      {"3", "(x+2)^8(x^2+1)", -2}, {"1", "(x-1)^10", 1},   {"-1", "(x-1)^9", 1},
  };
  for (bool exakt : {true, false}) {
    for (const auto& c : cases) {
      RationalT f;
      Setze(f, c.zaehler, c.nenner, exakt);
      const exact::Function truth(Term(c.zaehler), Term(c.nenner), f);
      const FunctionValue value(f);
      AtEverySample(c.pol - 0.3, c.pol + 0.3, [&](double x) {
        const std::optional<double> v = truth.Value(0, x);
        if (!v) return;
        const double y = value.At(x);
        EXPECT_EQ((y > 0) - (y < 0), (*v > 0) - (*v < 0))
            << c.zaehler << " over " << c.nenner << (exakt ? "" : " from its Doubles") << " at "
            << x << ": " << y;
      });
    }
  }
}

TEST_F(FunctionValueTest, ADenominatorExponentStaysAPower) {
  RationalT f;
  SetzeStartfunktion(f);
  Setze(f.Nn, {-1, 1});
  f.Np = 2;
  const FunctionValue value(f);
  EXPECT_EQ(value.At(3), f.FWert(3));
  EXPECT_GT(value.At(0.99), 0) << "(x-1)^2 positive beside its zero";
}

}  // namespace
