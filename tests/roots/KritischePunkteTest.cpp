#include <cmath>
#include <vector>

#include "RootsTestSupport.h"
#include "roots/KritischePunkte.h"

namespace {

using KritischePunkteTest = CoreTest;
using Points = std::vector<double>;

struct Case {
  const char* why;
  std::vector<double> zl;
  std::vector<double> nn;
  Points expected;
  double tol;
};

TEST_F(KritischePunkteTest, CriticalPointsOfSmallFunctions) {
  const double r = 1 / std::sqrt(3.0);
  const Case cases[] = {
      {"pole of order 2 is a candidate the gap test removes", {1}, {0, 0, 1}, {}, 0},
      {"zeros of f' and f''", {1}, {1, 0, 1}, {-r, 0, r}, 1e-13},
      {"a repeated candidate counts once", {1, -2, 1}, {1, 1}, {-3, 1}, 0},
      {"non-zero constant", {5}, {1}, {}, 0},
      {"x^3 - x: zeros, extrema and the inflection point",
       {0, -1, 0, 1},
       {1},
       {-1, -r, 0, r, 1},
       1e-13},
      // Multiple zeros of the numerators of f' and f'' at poles and at zeros of f drown in
      // rounding noise; none of them may come out as a point of its own.
      {"double pole: never a critical point",
       {-1, 0, -1},
       {-15, 0.5, 7.6, 2},
       {-0.011076877539765131},
       1e-9},
      {"triple pole", {4}, {-0.048, 0.704, -3.36, 4.8, 2}, {-2.2}, 1e-9},
      {"double zero", {0.64, 1.6, 1}, {10, 2}, {-9.2, -0.8}, 1e-9},
      {"double zero among extrema and inflection points",
       {6.25, 1.25, -4, 1},
       {4, 0, 1},
       {-1.3811620640472984, -1, 0.11559130412941622, 0.9484628302630016, 2.5, 24.705426506511568},
       1e-9},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f.Zl, c.zl);
    Setze(f.Nn, c.nn);
    SetzeRR(kontext, f);
    ZeroSet k;
    k.assign({4, 4});
    Analyse::FindeKP(f, k);
    ASSERT_EQ(k.count(), static_cast<int>(c.expected.size())) << c.why;
    EXPECT_EQ(k[0], static_cast<double>(c.expected.size())) << c.why;
    for (std::size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_NEAR(k[i + 1], c.expected[i], c.tol) << c.why << ", point " << i + 1;
  }
}

TEST_F(KritischePunkteTest, TheZeroFunctionHasNone) {
  RationalT f;
  f.Nullen();
  SetzeRR(kontext, f);
  ZeroSet k;
  Analyse::FindeKP(f, k);
  EXPECT_EQ(k.a, Points{0});
}

TEST_F(KritischePunkteTest, StartFunctionHasNineCriticalPoints) {
  // The inflection point 2.9503 is among them although f'' next to it exceeds 1e-9.
  RationalT f;
  SetzeStartfunktion(f);
  SetzeRR(kontext, f);
  ZeroSet k;
  Analyse::FindeKP(f, k);
  const Points expected{-1.7321, -1.1837, -0.3339, 0.0630, 0.5282, 1.7321, 1.8587, 2, 2.9503};
  ASSERT_EQ(k.count(), 9);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(k[i + 1], expected[i], 5e-5);
  EXPECT_NEAR(f.FWert(k[9]), 0.1048, 5e-5);
}

// RR set directly: the candidates come from RR, the gaps from the argument.
TEST_F(KritischePunkteTest, TolerancesOfTheCandidates) {
  struct Row {
    const char* why;
    double gap;
    double zeroOfF;
    double zeroOfDerivative;
    Points expected;
  };
  const Row rows[] = {
      {"exactly 1e-7 apart count as one", 5, 0, 1e-7, {1e-7}},
      {"2e-7 apart both stay", 5, 0, 2e-7, {0, 2e-7}},
      {"a candidate within 1e-9 of a gap goes", 1, 1.0000000005, 3, {3}},
      {"a candidate 2e-9 from a gap stays", 1, 1.000000002, 3, {1.000000002, 3}},
  };
  for (const auto& r : rows) {
    RationalT f;
    Setze(f.Nn, {-r.gap, 1});
    Setze(kontext.RR[0].Zl, {-r.zeroOfF, 1});
    Setze(kontext.RR[1].Zl, {-r.zeroOfDerivative, 1});
    Setze(kontext.RR[2].Zl, {1});
    ZeroSet k;
    Analyse::FindeKP(f, k);
    EXPECT_EQ(Punkte(k), r.expected) << r.why;
  }
}

}  // namespace
