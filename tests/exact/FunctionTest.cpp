#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "CoreTest.h"
#include "ExactTestSupport.h"
#include "algebra/RationalT.h"
#include "exact/Function.h"

namespace {

using exact::Function;
using exact::Polynomial;

using FunctionTest = CoreTest;

// The exact function of two term texts, made for f with their rounded Doubles.
Function Of(const char* numerator, const char* denominator, RationalT& f) {
  const Polynomial zl = Term(numerator);
  const Polynomial nn = Term(denominator);
  EXPECT_TRUE(zl.RoundInto(f.Zl) && nn.RoundInto(f.Nn));
  f.Np = 1;
  return Function(zl, nn, f);
}

TEST_F(FunctionTest, DescribesOnlyWhileTheDoublesAreUnchanged) {
  RationalT f;
  const Function e = Of("(x-0.1)(x+2)", "x^2+1", f);
  EXPECT_TRUE(e.Describes(f));

  RationalT copy;
  copy.KopieVon(f);
  EXPECT_TRUE(e.Describes(copy)) << "other storage, the same Doubles";

  f.Zl.Koeff[0] = std::nextafter(f.Zl.Koeff[0], 0.0);
  EXPECT_FALSE(e.Describes(f)) << "one numerator coefficient a unit off";
  f.Zl.KopieVon(copy.Zl);
  f.Nn.Koeff[3] = 1e-300;
  EXPECT_FALSE(e.Describes(f)) << "a denominator coefficient above the degree";
  f.Nn.KopieVon(copy.Nn);
  EXPECT_TRUE(e.Describes(f)) << "restored";
  f.Np = 2;
  EXPECT_FALSE(e.Describes(f)) << "a denominator exponent";
  f.Np = 1;
  f.Switch(copy);
  EXPECT_TRUE(e.Describes(f));
  f.Zl.Abl(copy.Zl);
  EXPECT_FALSE(e.Describes(f)) << "the derivative's numerator";
}

struct Expected {
  const char* factor;
  int multiplicity;
};

struct DerivativeCase {
  const char* why;
  const char* numerator;
  const char* denominator;
  int order;
  std::vector<Expected> factors;
};

TEST_F(FunctionTest, DerivativeFactorsAreThoseOfTheNumeratorsInLowestTerms) {
  const DerivativeCase cases[] = {
      {"f' of 1/x^2 is -2/x^3: no zero at 0", "1", "x^2", 1, {}},
      {"f'' of 1/x^2 is 6/x^4", "1", "x^2", 2, {}},
      {"f of (x^2-1)/(x-1) has no zero at the gap 1", "x^2-1", "x-1", 0, {{"x+1", 1}}},
      {"its f' is the constant 1", "x^2-1", "x-1", 1, {}},
      {"a double zero of f", "(x-1)^2", "x+1", 0, {{"x-1", 2}}},
      {"f' of (x-1)^2/(x+1) is (x-1)(x+3)/(x+1)^2", "(x-1)^2", "x+1", 1, {{"(x-1)(x+3)", 1}}},
      {"f' of x^3", "x^3", "1", 1, {{"x", 2}}},
      {"f'' of x^3", "x^3", "1", 2, {{"x", 1}}},
      {"f' of x/(x^2+1)", "x", "x^2+1", 1, {{"x^2-1", 1}}},
      {"f'' of x/(x^2+1)", "x", "x^2+1", 2, {{"x^3-3x", 1}}},
      {"f' of 0.1x^3 - 0.3x: decimals made whole", "0.1x^3-0.3x", "1", 1, {{"x^2-1", 1}}},
  };
  for (const auto& c : cases) {
    RationalT f;
    const Function e = Of(c.numerator, c.denominator, f);
    const auto& factors = e.DerivativeFactors(c.order);
    ASSERT_EQ(factors.size(), c.factors.size()) << c.why;
    for (std::size_t i = 0; i < factors.size(); ++i) {
      EXPECT_EQ(factors[i].factor, Term(c.factors[i].factor)) << c.why;
      EXPECT_EQ(factors[i].multiplicity, c.factors[i].multiplicity) << c.why;
    }
  }
}

TEST_F(FunctionTest, TermFactorsAreThoseOfTheTermsAsRead) {
  RationalT f;
  const Function e = Of("x^2-1", "x-1", f);
  ASSERT_EQ(e.TermFactors(0).size(), 1u);
  EXPECT_EQ(e.TermFactors(0)[0].factor, Term("x^2-1")) << "not reduced by the common factor";
  ASSERT_EQ(e.TermFactors(1).size(), 1u);
  EXPECT_EQ(e.TermFactors(1)[0].factor, Term("x-1"));
  EXPECT_EQ(e.Numerator(), Term("x^2-1"));
  EXPECT_EQ(e.Denominator(), Term("x-1"));
}

struct ValueCase {
  const char* why;
  const char* numerator;
  const char* denominator;
  int order;
  double x;
  std::optional<double> value;
};

TEST_F(FunctionTest, ValueIsExactAndRoundedOnceAndEmptyAtAPole) {
  const ValueCase cases[] = {
      {"a pole", "1", "x", 0, 0.0, std::nullopt},
      {"a pole of f'", "1", "x^2", 1, 0.0, std::nullopt},
      {"a pole of f''", "x", "x-2", 2, 2.0, std::nullopt},
      {"a removable gap has the value of the reduced f", "x^2-1", "x-1", 0, 1.0, 2.0},
      {"a third, rounded once", "1", "3x", 0, 1.0, 1.0 / 3},
      {"f' of (x-1)^3 expanded, where Doubles cancel", "x^3-3x^2+3x-1", "1", 1, 1 + 0x1p-20,
       3 * 0x1p-40},
      {"next to a pole the Double 0.1 is no pole", "1", "x-0.1", 0, 0.1, 5 * 0x1p55},
      {"f'' of 1/x at 2", "1", "x", 2, 2.0, 0.25},
      {"a negative value over a negative denominator", "-(x-0.5)^3", "-x-3", 0, -0.25,
       -0.421875 / 2.75},
      {"at 0", "x+0.5", "0.3x^2+7", 0, 0.0, 0.5 / 7},
      {"a value below the smallest normal Double", "0.5^70", "2^1000", 0, 3.0, 0x1p-1070},
  };
  for (const auto& c : cases) {
    RationalT f;
    const Function e = Of(c.numerator, c.denominator, f);
    EXPECT_EQ(e.Value(c.order, c.x), c.value) << c.why;
  }
}

}  // namespace
