#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "LiteralReference.h"
#include "RootsTestSupport.h"
#include "exact/SquareFree.h"
#include "roots/ExakteNullstellen.h"
#include "roots/Nullstellen.h"

namespace {

using NullstellenTest = CoreTest;
using Points = std::vector<double>;

constexpr double kInf = std::numeric_limits<double>::infinity();

// tol 0: the exact Doubles; otherwise each point within tol.
void ExpectPoints(const ZeroSet& z, const Points& expected, double tol, const char* why) {
  EXPECT_EQ(z[0], static_cast<double>(z.count())) << why;
  ASSERT_EQ(z.count(), static_cast<int>(expected.size())) << why;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const double x = z[i + 1];
    if (tol == 0) {
      EXPECT_EQ(x, expected[i]) << why << ", point " << i + 1;
    } else {
      EXPECT_NEAR(x, expected[i], tol) << why << ", point " << i + 1;
    }
    EXPECT_FALSE(x == 0 && std::signbit(x)) << why << ": negative zero";
  }
}

struct ZeroCase {
  const char* why;
  Factors factors;
  Points expected;
  double tol;
};

TEST_F(NullstellenTest, ZeroSetsOfTheEdgeCases) {
  const double r3 = std::sqrt(3.0);
  const double r = std::sqrt(360000.5);
  const ZeroCase cases[] = {
      {"zero polynomial", {{0}}, {}, 0},
      {"constant", {{5}}, {}, 0},
      {"all coefficients below the zero tolerance", {{5e-10, 5e-10, 5e-10}}, {}, 0},
      {"linear", {{-3, 2}}, {1.5}, 0},
      {"linear quotient not snapped", {{-1, 3}}, {1.0 / 3}, 0},
      {"zero of 2x is +0", {{0, 2}}, {0}, 0},
      {"x^2 + 1 has none", {{1, 0, 1}}, {}, 0},
      {"x^4 + 1 has none", {{1, 0, 0, 0, 1}}, {}, 0},
      {"x^2", {{0, 0, 1}}, {0}, 0},
      {"x^3", {{0, 0, 0, 1}}, {0}, 0},
      {"double zero 0.5", {{-0.5, 1}, {-0.5, 1}}, {0.5}, 0},
      {"snapped to whole numbers", {{-4, 0, 1}}, {-2, 2}, 0},
      {"zero on the bound B", {{0, -3, 1}}, {0, 3}, 0},
      {"x^3 - x", {{0, -1, 0, 1}}, {-1, 0, 1}, 0},
      {"x^5 - x", {{0, -1, 0, 0, 0, 1}}, {-1, 0, 1}, 0},
      {"triple zero and simple zero", {{-1, 1}, {-1, 1}, {-1, 1}, {-2, 1}}, {1, 2}, 0},
      {"double zero and simple zero", {{1, 1}, {1, 1}, {-3, 1}}, {-1, 3}, 0},
      {"(x^2 - 1)^2", {{-1, 0, 1}, {-1, 0, 1}}, {-1, 1}, 0},
      {"numerator of the start function", {{-2, 1}, {1, 1, 1}, {-3, 0, 1}}, {-r3, r3, 2}, 1e-13},
      {"x^2 - 2 ends where the bisection ends",
       {{-2, 0, 1}},
       {-1.4142135623730496, 1.4142135623730496},
       0},
      {"ten thousand times x^2 - 2 keeps its zeros: P changes sign across them",
       {{-20000, 0, 10000}},
       {-1.4142135623730496, 1.4142135623730496},
       0},
      {"zeros of magnitude 600 end", {{-600, 1}, {600, 1}}, {-600, 600}, 0},
      {"zeros of magnitude 600 between two Doubles end", {{-360000.5, 0, 1}}, {-r, r}, 2.3e-13},
      {"non-finite coefficient", {{kInf, 0, 1}}, {}, 0},
      {"coefficient ratio beyond the Double range", {{-1e300, 0, 1e-9}}, {}, 0},
  };
  for (const auto& c : cases) {
    PolynomT p;
    SetzeProdukt(p, c.factors);
    ZeroSet z;
    z.assign({9, 9, 9});
    Analyse::FindeNullstellen(p, z);
    ExpectPoints(z, c.expected, c.tol, c.why);
  }
}

TEST_F(NullstellenTest, TheReceiverIsNotChanged) {
  PolynomT p;
  SetzeProdukt(p, {{-2, 1}, {1, 1, 1}, {-3, 0, 1}});
  PolynomT before;
  before.KopieVon(p);
  ZeroSet z;
  Analyse::FindeNullstellen(p, z);
  EXPECT_EQ(p.Koeff, before.Koeff);
}

TEST_F(NullstellenTest, InflectionZeroOfTheStartFunctionIsKept) {
  // The numerator of f'' has coefficients up to 4896; next to 2.9503 its value exceeds 1e-9.
  RationalT f;
  SetzeStartfunktion(f);
  SetzeRR(kontext, f);
  ZeroSet z;
  Analyse::FindeNullstellen(kontext.RR[2].Zl, z);
  ExpectPoints(z, {-1.1837, -0.3339, 0.5282, 2.9503}, 5e-5, "f'' of the start function");
}

TEST_F(NullstellenTest, TripleZerosAreFoundOnceEach) {
  // Its bracket near -3.5 is narrower than 1e-13 from the start; P(0) = 1474.9. The noise zones
  // of the triple zeros are 1e-5 to 1e-4 wide, and no point of them may count twice.
  PolynomT p;
  SetzeProdukt(p, {{-4.3, 1}, {-2, 1}, {-2, 1}, {-2, 1}, {3.5, 1}, {3.5, 1}, {3.5, 1}});
  ZeroSet z;
  Analyse::FindeNullstellen(p, z);
  ExpectPoints(z, {-3.5, 2, 4.3}, 1e-12, "(x-4.3)(x-2)^3(x+3.5)^3");
}

TEST_F(NullstellenTest, ZerosBeyondDoublePrecisionAreDecidedOnTheExactTerms) {
  // Near zeros of multiplicity 8 to 21 the value of P drowns in the rounding noise of Horner's
  // scheme over a whole region, up to `zone` wide. On Doubles alone the true zeros are found
  // within 1e-6, and any further point lies in such a region, never where the sign is certain.
  // The exact square-free decomposition gives each zero once, exactly, with its multiplicity.
  struct Case {
    const char* why;
    std::vector<std::pair<Koeffizienten, int>> factors;
    Points zeros;
    double zone;
    int multiplicity;
  };
  const Case cases[] = {
      {"(x-1)^8 (x-2)^8", {{{-1, 1}, 8}, {{-2, 1}, 8}}, {1, 2}, 0.25, 8},
      {"(x^2 - 1)^10", {{{-1, 0, 1}, 10}}, {-1, 1}, 0.1, 10},
      {"(x^2 - 1)^21", {{{-1, 0, 1}, 21}}, {-1, 1}, 0.3, 21},
  };
  for (const auto& c : cases) {
    PolynomT p;
    Setze(p, {1});
    for (const auto& [f, times] : c.factors) MalFaktor(p, f, times);
    ZeroSet z;
    Analyse::FindeNullstellen(p, z);
    const std::vector<double> points = z.points();
    for (double x : c.zeros)
      EXPECT_TRUE(std::any_of(points.begin(), points.end(),
                              [x](double z) { return std::abs(z - x) < 1e-6; }))
          << c.why << ": " << x;
    for (double x : points) {
      EXPECT_LE(std::abs(p.FWert(x)), literal::Noise(p, p.grad(), x)) << c.why << ": " << x;
      EXPECT_TRUE(std::any_of(c.zeros.begin(), c.zeros.end(),
                              [x, &c](double z) { return std::abs(z - x) < c.zone; }))
          << c.why << ": " << x;
    }
    const auto linear = Analyse::Linearfaktoren(exact::SquareFree(exact::Polynomial::Of(p)));
    ASSERT_EQ(linear.size(), c.zeros.size()) << c.why;
    for (std::size_t i = 0; i < linear.size(); ++i) {
      EXPECT_EQ(linear[i].x, c.zeros[i]) << c.why;
      EXPECT_EQ(linear[i].vielfachheit, c.multiplicity) << c.why;
    }
  }
}

TEST_F(NullstellenTest, GibNullst) {
  struct Case {
    const char* why;
    std::vector<double> p;
    double a;
    double b;
    double expected;
    double tol;
  };
  const double narrowA = 0.25;
  const double narrowB = 0.25 + std::ldexp(1.0, -44);
  const Case cases[] = {
      {"ends exactly on a whole zero", {-3, 1}, 0, 7, 3, 0},
      {"snaps within 1e-10 of a whole number", {-3.00000000003, 1}, 0, 7, 3, 0},
      {"no snap beyond 1e-10", {-3.0000000003, 1}, 0, 7, 3.0000000003, 1e-13},
      {"a midpoint that is a zero moves the right end", {0, 1}, -1, 3, 0, 0},
      {"narrow bracket gives its midpoint",
       {-narrowA, 1},
       narrowA,
       narrowB,
       0.25 + std::ldexp(1.0, -45),
       0},
      {"narrow bracket next to a whole number snaps", {-2, 1}, 2 - 1e-14, 2 + 1e-14, 2, 0},
      {"bracket that cannot shrink to 1e-13 ends",
       {-360000.5, 0, 1},
       500,
       700,
       std::sqrt(360000.5),
       2.3e-13},
      {"infinite end ends", {-1, 1}, -kInf, 5, -kInf, 0},
  };
  for (const auto& c : cases) {
    PolynomT p;
    Setze(p, c.p);
    const double r = Analyse::GibNullst(p, c.a, c.b);
    if (c.tol == 0) {
      EXPECT_EQ(r, c.expected) << c.why;
    } else {
      EXPECT_NEAR(r, c.expected, c.tol) << c.why;
    }
    EXPECT_FALSE(r == 0 && std::signbit(r)) << c.why;
  }
}

TEST_F(NullstellenTest, Doppelkillen) {
  struct Case {
    const char* why;
    Points in;
    Points out;
  };
  const Case cases[] = {
      {"a run longer than 1e-5 keeps only its last", {0, 0.000008, 0.000016}, {0.000016}},
      {"exactly 1e-5 apart count as one", {0, 1e-5}, {1e-5}},
      {"further apart both stay", {0, 2e-5}, {0, 2e-5}},
      {"equal points merge", {1, 1, 1, 2}, {1, 2}},
      {"one point unchanged", {3}, {3}},
      {"empty set unchanged", {}, {}},
  };
  for (const auto& c : cases) {
    ZeroSet z;
    z.assign(c.in);
    Analyse::Doppelkillen(z);
    EXPECT_EQ(Punkte(z), c.out) << c.why;
    EXPECT_EQ(z[0], static_cast<double>(c.out.size())) << c.why;
  }
}

TEST_F(NullstellenTest, Schneide) {
  struct Case {
    const char* why;
    Points a;
    Points b;
    Points r;
  };
  const Case cases[] = {
      {"common points in the order of A", {3, 1, 2}, {2, 3}, {3, 2}},
      {"once for every equal point of B", {1, 2}, {2, 2}, {2, 2}},
      {"exact equality only", {1}, {1.0000001}, {}},
      {"negative zero equals zero", {0}, {-0.0}, {0}},
      {"empty operand", {1, 2}, {}, {}},
  };
  for (const auto& c : cases) {
    ZeroSet a;
    ZeroSet b;
    ZeroSet r;
    a.assign(c.a);
    b.assign(c.b);
    r.assign({7, 7});
    Analyse::Schneide(a, b, r);
    EXPECT_EQ(Punkte(r), c.r) << c.why;
    EXPECT_EQ(r[0], static_cast<double>(c.r.size())) << c.why;
  }
}

TEST_F(NullstellenTest, Reinigen) {
  // f = x(x - 1)/(x - 2): zeros 0 and 1, gap 2; f' vanishes at 2 - sqrt(2), f'' nowhere.
  RationalT f;
  Setze(f.Zl, {0, -1, 1});
  Setze(f.Nn, {-2, 1});
  SetzeRR(kontext, f);
  ZeroSet gaps;
  gaps.assign({2});
  const double extremum = 2 - std::sqrt(2.0);
  ZeroSet x;
  x.assign({1, 0.5, 2.000001, 0, 0.999996, extremum});
  Analyse::Reinigen(x, gaps);
  // 0.5: no function vanishes; 0.999996: its successor lies within 1e-5; 2.000001: at the gap.
  EXPECT_EQ(Punkte(x), (Points{0, extremum, 1}));
  EXPECT_EQ(x[0], 3);
}

TEST_F(NullstellenTest, NullstellenString) {
  struct Case {
    const char* why;
    std::vector<double> p;
    const char* text;
  };
  const Case cases[] = {
      {"no zero", {1, 0, 1}, ""},
      {"one zero", {-3, 2}, "1.5"},
      {"joined by blank comma blank", {-4, 0, 1}, "-2 , 2"},
      {"default number text", {-2, 0, 1}, "-1.41421356237305 , 1.41421356237305"},
  };
  for (const auto& c : cases) {
    PolynomT p;
    Setze(p, c.p);
    EXPECT_EQ(p.NullstellenString(), c.text) << c.why;
  }
}

TEST_F(NullstellenTest, NullstellenStringSnapsAllButTheFirstZero) {
  // Zeros about 5e-10 above 1 and 3: too far for the bisection's snapping, near enough for
  // Runden.
  PolynomT p;
  Setze(p, {3.000000002, -4.000000001, 1});
  const std::string s = p.NullstellenString();
  EXPECT_EQ(s.substr(0, 11), "1.000000000") << s;
  EXPECT_NE(s.substr(0, 4), "1 , ") << s;
  EXPECT_EQ(s.substr(s.size() - 4), " , 3") << s;
}

TEST_F(NullstellenTest, NullstellenmengeReplacesTheCallersSet) {
  PolynomT p;
  Setze(p, {-4, 0, 1});
  ZeroSet z;
  z.assign({5, 6, 7, 8});
  p.Nullstellenmenge(z);
  EXPECT_EQ(z.a, (Points{2, -2, 2}));
}

}  // namespace
