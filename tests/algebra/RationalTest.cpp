#include "algebra/RationalT.h"

#include <cmath>

#include "CoreTest.h"
#include "TestFunctions.h"

namespace {

using RationalTest = CoreTest;

TEST_F(RationalTest, FunctionText) {
  struct Case {
    const char* why;
    std::initializer_list<double> zl, nn;
    int np;
    const char* text;
  };
  const Case cases[] = {
      {"brackets around signed parts", {-1, 0, 1}, {0, 1}, 1, "(- 1  + x^2  ) / x  "},
      {"power always bracketed", {-1, 0, 1}, {0, 1}, 2, "(- 1  + x^2  ) / (x  )^2"},
      {"exponent 0 like 1", {-1, 0, 1}, {0, 1}, 0, "(- 1  + x^2  ) / x  "},
      {"zero function", {}, {1}, 0, "0 / 1  "},
      {"single negative term bracketed", {0, -3}, {1, 1}, 1, "(- 3x  ) / (1  + x  )"},
      {"new object", {}, {}, 1, "0 / 0"},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, c.zl, c.nn, c.np);
    EXPECT_EQ(f.Term2string(), c.text) << c.why;
  }
}

TEST_F(RationalTest, ValueUsesTheExponent) {
  RationalT f;
  Setze(f, {-1, 0, 1}, {0, 1}, 1);
  EXPECT_EQ(f.FWert(2), 1.5);
  f.Np = 2;
  EXPECT_EQ(f.FWert(2), 0.75);
  f.Np = 0;
  EXPECT_EQ(f.FWert(2), 3.0);
  f.Np = 1;
  EXPECT_EQ(f.FWert(0), -INFINITY);
}

TEST_F(RationalTest, DerivativeByTheQuotientRule) {
  struct Case {
    const char* why;
    std::initializer_list<double> zl, nn;
    int np;
    Koeffizienten dzl, dnn;
    int dnp;
  };
  const Case cases[] = {
      {"1/(x+1)", {1}, {1, 1}, 1, {-1}, {1, 1}, 2},
      {"-1/(x+1)^2", {-1}, {1, 1}, 2, {2}, {1, 1}, 3},
      {"constant denominator", {0, 0, 1}, {2}, 1, {0, 2}, {2}, 1},
      {"uncancelled constant function", {2, 2}, {1, 1}, 1, {}, {1}, 2},
      {"constant over constant keeps denominator", {5}, {2}, 1, {}, {2}, 1},
      {"exponent 0 means the numerator alone", {0, 0, 1}, {1, 1}, 0, {0, 2, 2}, {1, 1}, 1},
      {"zero function", {}, {1}, 0, {}, {1}, 0},
  };
  for (const auto& c : cases) {
    RationalT f, d;
    Setze(f, c.zl, c.nn, c.np);
    d.Abl(f);
    EXPECT_EQ(KoeffizientenVon(d.Zl), c.dzl) << c.why;
    EXPECT_EQ(KoeffizientenVon(d.Nn), c.dnn) << c.why;
    EXPECT_EQ(d.Np, c.dnp) << c.why;
    f.Abl(f);
    EXPECT_EQ(KoeffizientenVon(f.Zl), c.dzl) << c.why << " (into itself)";
    EXPECT_EQ(KoeffizientenVon(f.Nn), c.dnn) << c.why << " (into itself)";
    EXPECT_EQ(f.Np, c.dnp) << c.why << " (into itself)";
  }
  RationalT f, d;
  Setze(f, {0, 0, 1}, {0, 1}, 0);
  d.Abl(f);
  EXPECT_EQ(d.FWert(3), 6.0) << "derivative of x^2 over x^0";
}

TEST_F(RationalTest, DerivativeOwnsItsDenominator) {
  RationalT f, d;
  Setze(f, {0, 0, 1}, {2});
  d.Abl(f);
  EXPECT_EQ(d.FWert(3), 3.0);
  f.Nn.Koeff[0] = 7;
  EXPECT_EQ(d.FWert(3), 3.0);
}

TEST_F(RationalTest, ProductLimitsAndAliases) {
  RationalT a, b, r;
  Setze(a, {1, 1}, {-1, 1});
  Setze(b, {-1, 1}, {1, 1});
  r.Produkt(a, b);
  EXPECT_EQ(KoeffizientenVon(r.Zl), (Koeffizienten{-1, 0, 1}));
  EXPECT_EQ(KoeffizientenVon(r.Nn), (Koeffizienten{-1, 0, 1}));
  EXPECT_EQ(r.Np, 1);

  a.Produkt(a, b);
  EXPECT_EQ(KoeffizientenVon(a.Zl), (Koeffizienten{-1, 0, 1})) << "the receiver may be an operand";

  RationalT big, result;
  Setze(result, {5}, {1});
  big.Zl.Koeff[22] = 1;
  big.Nn.Koeff[0] = 1;
  RationalT other;
  other.Zl.Koeff[21] = 1;
  other.Nn.Koeff[0] = 1;
  result.Produkt(big, other);
  EXPECT_EQ(kontext.messages, std::vector<std::string>{"Zu viele Faktoren"});
  EXPECT_EQ(KoeffizientenVon(result.Zl), (Koeffizienten{5})) << "unchanged after the refusal";

  RationalT x21;
  x21.Zl.Koeff[21] = 1;
  x21.Nn.Koeff[0] = 1;
  result.Produkt(x21, x21);
  EXPECT_EQ(kontext.messages.size(), 2u);
  EXPECT_EQ(result.Term2string(), "0 / 1  ");
  EXPECT_EQ(result.Np, 0);
}

TEST_F(RationalTest, DifferenceIsReduced) {
  RationalT f, g, d;
  Setze(f, {1}, {0, 1});
  Setze(g, {1}, {1, 1});
  d.Nullen();
  d.Differenz(f, g);
  EXPECT_EQ(KoeffizientenVon(d.Zl), (Koeffizienten{1}));
  EXPECT_EQ(KoeffizientenVon(d.Nn), (Koeffizienten{0, 1, 1}));
  EXPECT_EQ(d.Np, 1);

  d.Differenz(f, f);
  EXPECT_EQ(d.Term2string(), "0 / 1  ");
  EXPECT_EQ(d.Np, 0);

  // x/2 - 0 must stay x/2: the constant denominator takes part in the value.
  RationalT h, null;
  Setze(h, {0, 1}, {2});
  null.Nullen();
  d.Nullen();
  d.Differenz(h, null);
  EXPECT_EQ(d.FWert(3), 1.5);
}

TEST_F(RationalTest, CopySwitchAndZero) {
  RationalT f, g;
  Setze(f, {1, 2}, {3}, 2);
  f.xmin = -7;
  g.Nullen();
  g.KopieVon(f);
  EXPECT_EQ(g.Term2string(), f.Term2string());
  EXPECT_EQ(g.Np, 2);
  EXPECT_EQ(g.xmin, 0.0) << "the plot range is not copied";
  f.Zl.Koeff[0] = 9;
  EXPECT_EQ(g.Zl.Koeff[0], 1.0);

  g.Nullen();
  f.Switch(g);
  EXPECT_EQ(f.Term2string(), "0 / 1  ");
  EXPECT_EQ(f.Np, 0);
  EXPECT_EQ(g.Np, 2);
  EXPECT_EQ(f.xmin, -7.0);
  g.Switch(g);
  EXPECT_EQ(g.Np, 2);
  EXPECT_EQ(g.Zl.Koeff[0], 9.0);
}

}  // namespace
