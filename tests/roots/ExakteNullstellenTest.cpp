#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "RootsTestSupport.h"
#include "exact/Cascade.h"
#include "exact/Function.h"
#include "exact/SquareFree.h"
#include "exact/Term.h"
#include "roots/ExakteNullstellen.h"
#include "roots/Nullstellen.h"

namespace {

using ExakteNullstellenTest = CoreTest;
using exact::Polynomial;
using Points = std::vector<double>;

Polynomial Exakt(const std::string& text) {
  const std::optional<Polynomial> p = exact::ReadTerm(text);
  EXPECT_TRUE(p.has_value()) << "the reader refuses " << text;
  return p.value_or(Polynomial());
}

// The product of (x - z) over the decimal zeros.
std::string Produkt(const std::vector<std::string>& zeros) {
  std::string text;
  for (const std::string& z : zeros) text += "(x-" + z + ")";
  return text;
}

// The Doubles nearest to the decimal zeros.
Points Doubles(const std::vector<std::string>& zeros) {
  Points points;
  for (const std::string& z : zeros) points.push_back(std::strtod(z.c_str(), nullptr));
  return points;
}

Points Tschebyschow20Nullstellen() {
  Points points;
  for (int k = 20; k >= 1; --k) points.push_back(std::cos((2 * k - 1) * std::numbers::pi / 40));
  return points;
}

Polynomial Tschebyschow(int n) {
  Polynomial prev = Polynomial::Constant(1);
  Polynomial t = Polynomial::X();
  for (int i = 2; i <= n; ++i) {
    Polynomial next = Polynomial::Constant(2) * Polynomial::X() * t - prev;
    prev = t;
    t = next;
  }
  return t;
}

struct ZeroCase {
  const char* why;
  Polynomial p;
  Points expected;
  double tol;
};

void ExpectPoints(const ZeroSet& z, const Points& expected, double tol, const char* why) {
  EXPECT_EQ(z[0], static_cast<double>(z.count())) << why;
  ASSERT_EQ(z.count(), static_cast<int>(expected.size())) << why;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(z[i + 1], expected[i], tol) << why << ", point " << i + 1;
    EXPECT_FALSE(z[i + 1] == 0 && std::signbit(z[i + 1])) << why << ": negative zero";
  }
}

TEST_F(ExakteNullstellenTest, TheRootFinderOnExactSignsFindsEverySimpleZero) {
  const std::vector<std::string> cluster = {"1",     "1.001", "1.002", "1.003", "1.004",
                                            "1.005", "1.006", "1.007", "1.008", "1.009"};
  const std::vector<std::string> small = {"0.0098", "0.0099", "0.01", "0.0101", "0.0102"};
  const std::vector<std::string> large = {"999.998", "999.999", "1000", "1000.001", "1000.002"};
  const std::vector<std::string> apart = {"1", "1.00002"};
  std::vector<std::string> wilkinson;
  for (int j = 1; j <= 20; ++j) wilkinson.push_back(std::to_string(j));
  const ZeroCase cases[] = {
      {"ten zeros 0.001 apart", Exakt(Produkt(cluster)), Doubles(cluster), 1e-12},
      {"zeros 1e-4 apart near 0.01", Exakt(Produkt(small)), Doubles(small), 1e-13},
      {"zeros 0.001 apart near 1000", Exakt(Produkt(large)), Doubles(large), 2.3e-13},
      {"zeros 2e-5 apart stay two", Exakt(Produkt(apart)), Doubles(apart), 1e-13},
      {"Wilkinson's polynomial: its coefficients are no Doubles", Exakt(Produkt(wilkinson)),
       Doubles(wilkinson), 0},
      {"a zero on the upper coefficient bound", Exakt("x(x-4.3)"), {0, 4.3}, 1e-13},
      {"a zero on the lower coefficient bound", Exakt("x(x+4.3)"), {-4.3, 0}, 1e-13},
      {"a zero on the bound 2", Exakt("x(x-2)"), {0, 2}, 0},
      {"Chebyshev T20", Tschebyschow(20), Tschebyschow20Nullstellen(), 1e-12},
      {"x^2 - 2", Exakt("x^2-2"), {-std::sqrt(2.0), std::sqrt(2.0)}, 1e-13},
      {"no real zero", Exakt("x^4+x^2+1"), {}, 0},
      {"linear", Exakt("3x-1"), {1.0 / 3}, 0},
      {"a constant", Exakt("7"), {}, 0},
      {"zeros 3e-11 and 7e-11 above 1: D(1) is not snapped onto 1, where it vanishes nowhere",
       Exakt("(x-1.00000000003)(x-1.00000000007)(x+5)"),
       {-5, 1.00000000003, 1.00000000007},
       1e-13},
  };
  for (const auto& c : cases) {
    ZeroSet z;
    z.assign({9, 9, 9});
    std::int64_t evaluations = 0;
    Analyse::FindeNullstellen(exact::Cascade(c.p), z, evaluations);
    ExpectPoints(z, c.expected, c.tol, c.why);
  }
}

struct LinearfaktorCase {
  const char* why;
  const char* p;
  std::vector<Analyse::Linearfaktor> expected;
};

TEST_F(ExakteNullstellenTest, LinearfaktorenListEachZeroOnceWithItsMultiplicity) {
  const LinearfaktorCase cases[] = {
      {"three multiplicities", "(x-1)^3(x+2)(x-0.5)^2", {{-2, 1}, {0.5, 2}, {1, 3}}},
      {"a content and a double zero", "3x^3-9x^2+12", {{-1, 1}, {2, 2}}},
      {"a power of a quadratic", "(x^2-1)^21", {{-1, 21}, {1, 21}}},
      {"a triple zero beside a simple one 0.001 away",
       "(x-1.7)^3(x-1.701)",
       {{1.7, 3}, {1.701, 1}}},
      {"a factor without real zeros", "(x^2+1)^2(x-3)", {{3, 1}}},
      {"a constant", "4", {}},
  };
  for (const auto& c : cases) {
    const std::vector<Analyse::Linearfaktor> linear =
        Analyse::Linearfaktoren(exact::SquareFree(Exakt(c.p)));
    ASSERT_EQ(linear.size(), c.expected.size()) << c.why;
    for (std::size_t i = 0; i < linear.size(); ++i) {
      EXPECT_NEAR(linear[i].x, c.expected[i].x, 1e-13) << c.why << ", zero " << i;
      EXPECT_EQ(linear[i].vielfachheit, c.expected[i].vielfachheit) << c.why << ", zero " << i;
    }
  }
}

TEST_F(ExakteNullstellenTest, NullstellenMergesZerosCloserThanTheMergeDistance) {
  const struct {
    const char* why;
    const char* p;
    Points expected;
  } cases[] = {
      {"zeros of two factors 1e-6 apart: the upper stays", "(x-1)^2(x-1.000001)", {1.000001}},
      {"zeros of one factor 1e-6 apart", "(x-1)(x-1.000001)", {1.000001}},
      {"zeros further apart stay", "(x+1)^2(x-1)", {-1, 1}},
  };
  for (const auto& c : cases) {
    ZeroSet z;
    Analyse::Nullstellen(exact::SquareFree(Exakt(c.p)), z);
    ExpectPoints(z, c.expected, 1e-13, c.why);
  }
}

TEST_F(ExakteNullstellenTest, AFactorAboveDegree42ListsNoZeros) {
  // The window analyses 1/(x^23 + x + 1) after its degree-sum message. The numerator of f'' in
  // lowest terms, 552x^44 - 414x^22 - 506x^21 + 2, is one square-free factor of degree 44, more
  // than the root finder holds; the Doubles' f'' overflows to the zero polynomial there as well.
  RationalT f;
  const Polynomial zaehler = Exakt("1");
  const Polynomial nenner = Exakt("x^23+x+1");
  ASSERT_TRUE(zaehler.RoundInto(f.Zl) && nenner.RoundInto(f.Nn));
  const exact::Function e(zaehler, nenner, f);
  ASSERT_EQ(e.DerivativeFactors(2).size(), 1u);
  EXPECT_EQ(e.DerivativeFactors(2)[0].factor.Degree(), 44);
  EXPECT_TRUE(Analyse::Linearfaktoren(e.DerivativeFactors(2)).empty());
}

}  // namespace
