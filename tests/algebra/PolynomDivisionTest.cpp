#include <cmath>

#include "CoreTest.h"
#include "TestFunctions.h"

namespace {

using PolynomDivisionTest = CoreTest;

struct LinearCase {
  const char* why;
  std::initializer_list<double> p;
  double b;
  Koeffizienten quotient;
};

TEST_F(PolynomDivisionTest, DivisionByALinearFactor) {
  const LinearCase cases[] = {
      {"zero 1", {2, -3, 1}, 1, {-2, 1}},
      {"zero 2", {2, -3, 1}, 2, {-1, 1}},
      {"remainder dropped", {1, 0, 1}, 1, {1, 1}},
      {"leading unsnapped, rest snapped", {-2.0000000004, 0, 2.0000000004}, 1, {2, 2.0000000004}},
      {"constant", {5}, 3, {}},
      {"zero polynomial", {}, 3, {}},
  };
  for (const auto& c : cases) {
    PolynomT p, q;
    Setze(p, c.p);
    q.PdurchxminusB(p, c.b);
    EXPECT_EQ(KoeffizientenVon(q), c.quotient) << c.why;
  }
}

struct DivisionCase {
  const char* why;
  std::initializer_list<double> a;
  std::initializer_list<double> b;
  Koeffizienten q;
  Koeffizienten r;
};

TEST_F(PolynomDivisionTest, LongDivision) {
  const DivisionCase cases[] = {
      {"exact", {-1, 0, 0, 1}, {-1, 1}, {1, 1, 1}, {}},
      {"with remainder", {1, 0, 1}, {-1, 1}, {1, 1}, {2}},
      {"divisor of higher degree", {1, 1}, {0, 0, 1}, {}, {1, 1}},
      {"constant divisor", {2, 4}, {2}, {1, 2}, {}},
      {"root of two", {-2, 0, 1}, {-1.4142135623730951, 1}, {1.4142135623730951, 1}, {}},
      {"zero divisor leaves the dividend as remainder", {1, 2, 3}, {}, {}, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    PolynomT a, b, q, r;
    Setze(a, c.a);
    Setze(b, c.b);
    a.PDurch(b, q, r);
    EXPECT_EQ(KoeffizientenVon(q), c.q) << c.why;
    EXPECT_EQ(KoeffizientenVon(r), c.r) << c.why;
  }
}

TEST_F(PolynomDivisionTest, LongDivisionAliases) {
  PolynomT a, b, r;
  Setze(a, {-1, 0, 0, 1});
  Setze(b, {-1, 1});
  a.PDurch(b, a, r);
  EXPECT_EQ(KoeffizientenVon(a), (Koeffizienten{1, 1, 1})) << "quotient into the receiver";

  Setze(a, {1, 0, 1});
  PolynomT q;
  a.PDurch(b, q, a);
  EXPECT_EQ(KoeffizientenVon(a), (Koeffizienten{2})) << "remainder into the receiver";

  Setze(a, {-1, 0, 1});
  a.PDurch(b, b, r);
  EXPECT_EQ(KoeffizientenVon(b), (Koeffizienten{1, 1})) << "quotient into the divisor";
}

struct GgTCase {
  const char* why;
  std::initializer_list<double> a;
  std::initializer_list<double> b;
  Koeffizienten expected;
};

TEST_F(PolynomDivisionTest, GreatestCommonDivisorIsNormalised) {
  const GgTCase cases[] = {
      {"monic integral", {-1, 0, 1}, {1, -2, 1}, {-1, 1}},
      {"integral content removed", {-2, 0, 2}, {-4, 4}, {-1, 1}},
      {"B zero: A by its content", {4, 6}, {}, {2, 3}},
      {"negative leading coefficient kept", {4, -2}, {}, {2, -1}},
      {"not integral: monic", {-0.5, 1}, {-1, 2}, {-0.5, 1}},
      {"coprime", {3}, {4, 2}, {1}},
      {"A zero: B unnormalised", {}, {4, 2}, {4, 2}},
      {"non-integral constant", {2.5}, {}, {1}},
  };
  for (const auto& c : cases) {
    PolynomT a, b, g;
    Setze(a, c.a);
    Setze(b, c.b);
    g.ggT(a, b);
    EXPECT_EQ(KoeffizientenVon(g), c.expected) << c.why;
  }
}

TEST_F(PolynomDivisionTest, GreatestCommonDivisorEndsWhenCoefficientsOverflow) {
  PolynomT a, b, g;
  Setze(a, {-1e20, 1, 1});
  b.Koeff[40] = 1;
  b.Koeff[10] = 1;
  b.Koeff[0] = 1;
  g.ggT(a, b);
  EXPECT_EQ(KoeffizientenVon(g), (Koeffizienten{1}));
  g.ggT(b, a);
  EXPECT_EQ(KoeffizientenVon(g), (Koeffizienten{1}));
}

TEST_F(PolynomDivisionTest, GreatestCommonDivisorOfLargeIntegralCoefficients) {
  // The sum of the magnitudes exceeds the Int32 range.
  PolynomT a, g;
  for (int i = 0; i <= 20; ++i) a.Koeff[i] = 2000000000;
  g.ggT(a, PolynomT());
  for (int i = 0; i <= 20; ++i) EXPECT_EQ(g.Koeff[i], 1.0) << i;
}

TEST_F(PolynomDivisionTest, IntegerContentAndIntegrality) {
  struct Case {
    std::initializer_list<double> p;
    int content;
    bool integral;
  };
  const Case cases[] = {{{4, 0, 6}, 2, true}, {{-6}, 6, true},   {{1, 1, 1}, 1, true},
                        {{1, 0.5}, 1, false}, {{}, 1, true},     {{-1.0000000002, 3}, 1, true},
                        {{0.5, 2}, 1, false}, {{3e9}, 1, false}, {{-2147483648.0}, 1, true}};
  for (const auto& c : cases) {
    PolynomT p;
    Setze(p, c.p);
    EXPECT_EQ(p.ggF(), c.content);
    EXPECT_EQ(p.IstGanzzahlig(), c.integral);
  }
}

TEST_F(PolynomDivisionTest, RoundingLowersTheDegree) {
  PolynomT p;
  Setze(p, {0, 1, 0.04});
  p.Runden(1);
  EXPECT_EQ(p.grad(), 1);
  EXPECT_EQ(KoeffizientenVon(p), (Koeffizienten{0, 1}));
  Setze(p, {1.23456, -2.98765});
  p.Runden(2);
  EXPECT_EQ(KoeffizientenVon(p), (Koeffizienten{1.23, -2.99}));
}

TEST_F(PolynomDivisionTest, ShiftUsesExactBinomials) {
  PolynomT p;
  Setze(p, {0, 0, 1});
  p.xVerschiebungUm(1);
  EXPECT_EQ(KoeffizientenVon(p), (Koeffizienten{1, -2, 1}));

  Setze(p, {3, -1, 0.5});
  p.xVerschiebungUm(0);
  EXPECT_EQ(KoeffizientenVon(p), (Koeffizienten{3, -1, 0.5}));

  p.Nullen();
  p.Koeff[40] = 1;
  p.xVerschiebungUm(1);
  EXPECT_EQ(p.Koeff[20], 137846528820.0);
  for (int i = 0; i <= 40; ++i) EXPECT_EQ(std::signbit(p.Koeff[i]), (40 - i) % 2 == 1) << i;
  EXPECT_EQ(kontext.BinKoeff[42][21], 538257874440);
  EXPECT_EQ(kontext.BinKoeff[34][16], 2203961430);
  EXPECT_EQ(kontext.BinKoeff[3][5], 0) << "entries above the diagonal stay 0";
}

}  // namespace
