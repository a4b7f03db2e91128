#include "evaluation/Integration.h"

#include <cmath>

#include "CoreTest.h"
#include "TestFunctions.h"

namespace {

using IntegrationTest = CoreTest;

TEST_F(IntegrationTest, SumOf100001Samples) {
  struct Case {
    const char* why;
    Koeffizienten zl, nn;
    double a, b, wert;
  };
  const Case cases[] = {
      {"f = 1 over [0; 1]: both ends at full weight", {1}, {1}, 0, 1, 1.00001},
      {"a > b gives the negative", {1}, {1}, 1, 0, -1.00001},
      {"a = b gives 0", {0, 0, 3}, {1}, 2, 2, 0},
      {"x over [0; 2]", {0, 1}, {1}, 0, 2, 2.00002},
      {"a gap outside the interval", {1}, {0, 1}, 1, 2, std::log(2.0)},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, c.zl, c.nn);
    const Auswertung::Integralwert w = Auswertung::Integriere(f, c.a, c.b);
    EXPECT_TRUE(w.ok) << c.why;
    EXPECT_NEAR(w.wert, c.wert, 2e-5) << c.why;
  }
}

TEST_F(IntegrationTest, RefusesAGapInTheClosedInterval) {
  struct Case {
    const char* why;
    Koeffizienten nn;
    double a, b, luecke;
  };
  const Case cases[] = {
      {"1/x over [-1; 1]", {0, 1}, -1, 1, 0},
      {"a gap at the lower end", {0, 1}, 0, 1, 0},
      {"gaps -4 and 2 over [-5; 5]: the larger one", {-8, 2, 1}, -5, 5, 2},
      {"a gap just outside an end: the product is below 1e-9", {-2, 1}, 0, 1.9999999999, 2},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, {1}, c.nn);
    const Auswertung::Integralwert w = Auswertung::Integriere(f, c.a, c.b);
    EXPECT_FALSE(w.ok) << c.why;
    EXPECT_EQ(w.luecke, c.luecke) << c.why;
  }
}

TEST_F(IntegrationTest, AStepOrSumBeyondDoubleIsNoNumber) {
  struct Case {
    const char* why;
    Koeffizienten zl;
    double a, b;
  };
  const Case cases[] = {
      {"bounds so far apart that the step is infinite", {1}, -1e308, 1e308},
      {"a finite step whose samples overflow", {0, 0, 1}, 0, 1e200},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, c.zl, {1});
    const Auswertung::Integralwert w = Auswertung::Integriere(f, c.a, c.b);
    EXPECT_TRUE(w.ok) << c.why;
    EXPECT_FALSE(std::isfinite(w.wert)) << c.why;
  }
}

TEST_F(IntegrationTest, SameSumAsTheLiteralFormula) {
  RationalT f;
  SetzeStartfunktion(f);
  const double a = -3.5;
  const double b = 1.25;
  const double h = (b - a) / 100000;
  double literal = 0;
  for (int k = 0; k <= 100000; ++k) literal = literal + h * f.FWert(a + k * h);
  const Auswertung::Integralwert w = Auswertung::Integriere(f, a, b);
  ASSERT_TRUE(w.ok);
  EXPECT_EQ(w.wert, literal);
}

TEST_F(IntegrationTest, KeyComparesFunctionAndBounds) {
  const Auswertung::Integralschluessel k{"1 / 1  ", 0, 1};
  EXPECT_EQ(k, (Auswertung::Integralschluessel{"1 / 1  ", 0, 1}));
  EXPECT_NE(k, (Auswertung::Integralschluessel{"1 / 1  ", 0, 2}));
  EXPECT_NE(k, (Auswertung::Integralschluessel{"x / 1  ", 0, 1}));
}

}  // namespace
