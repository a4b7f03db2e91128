#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "CoreTest.h"
#include "ExactTestSupport.h"
#include "exact/Operations.h"

namespace {

using exact::Polynomial;
using exact::Terms;
using OperationsTest = CoreTest;

// f = numerator / denominator with the exact terms beside its Doubles.
void Setze(RationalT& f, const std::string& numerator, const std::string& denominator) {
  ASSERT_TRUE(exact::Assign(f, {Term(numerator), Term(denominator)}));
}

bool Gleich(const Terms& t, const std::string& numerator, const std::string& denominator) {
  return t.numerator == Term(numerator) && t.denominator == Term(denominator);
}

TEST_F(OperationsTest, RegisterResultsAreTheExactFunctions) {
  RationalT f;
  RationalT g;
  Setze(f, "(x-0.125)^3", "x+1");
  Setze(g, "(x-0.125)^2", "1");
  const exact::Function& F = *exact::ExactOf(f);
  const exact::Function& G = *exact::ExactOf(g);
  EXPECT_TRUE(Gleich(exact::Product(F, G), "(x-0.125)^5", "x+1"));
  // (x-0.125)^2 - (x-0.125)^3/(x+1) = (x-0.125)^2 (1.125) / (x+1): nothing common to divide off.
  EXPECT_TRUE(Gleich(exact::Difference(G, F), "1.125(x-0.125)^2", "x+1"));
  EXPECT_TRUE(Gleich(exact::Reciprocal(F), "x+1", "(x-0.125)^3"));
  const exact::DerivativeTerms d = exact::Derivative(F);
  EXPECT_EQ(d.exponent, 2);
  EXPECT_TRUE(Gleich(d.terms, "3(x-0.125)^2(x+1)-(x-0.125)^3", "x+1"));
  const exact::DerivativeTerms p = exact::Derivative(G);
  EXPECT_EQ(p.exponent, 1);
  EXPECT_TRUE(Gleich(p.terms, "2(x-0.125)", "1"));
}

TEST_F(OperationsTest, TheDifferenceIsDividedByTheCommonFactorOfItsTerms) {
  RationalT f;
  RationalT g;
  Setze(f, "1", "(x-0.35)(x+2)");
  Setze(g, "1", "x-0.35");
  // 1/(x-0.35) - 1/((x-0.35)(x+2)) = (x+1)/((x-0.35)(x+2)), the common x-0.35 divided off.
  EXPECT_TRUE(Gleich(exact::Difference(*exact::ExactOf(g), *exact::ExactOf(f)), "x+1",
                     "(x-0.35)(x+2)"));
}

TEST_F(OperationsTest, AShiftKeepsAHighMultiplicityExact) {
  RationalT f;
  Setze(f, "(x-2)^20", "1");
  const Terms t = exact::Shifted(*exact::ExactOf(f), exact::ValueOf("1.37"), exact::ValueOf("0"));
  EXPECT_TRUE(Gleich(t, "(x-3.37)^20", "1"));
  Setze(f, "x^10", "x-0.5");
  const Terms back = exact::Shifted(*exact::ExactOf(f), exact::ValueOf("-0.123456789"),
                                    exact::ValueOf("1.5"));
  EXPECT_TRUE(Gleich(back, "(x+0.123456789)^10+1.5(x+0.123456789-0.5)", "x+0.123456789-0.5"));
}

TEST_F(OperationsTest, ValueOfReadsWhatValReads) {
  const std::pair<const char*, const char*> cases[] = {
      {"0.123456789", "0.123456789"}, {"-1.5abc", "-1.5"}, {"  2.", "2"},
      {"-", "0"},                     {"", "0"},           {".5.5", "0.5"},
  };
  for (const auto& [text, value] : cases) {
    exact::Rational expected;
    fmpq_poly_get_coeff_fmpq(expected.get(), Term(value).get(), 0);
    EXPECT_TRUE(fmpq_equal(exact::ValueOf(text).get(), expected.get())) << text;
  }
}

TEST_F(OperationsTest, AssignRefusesWhatTheDoublesCannotHold) {
  RationalT f;
  Setze(f, "x", "2");
  const auto vorher = f.Zl.Koeff;
  EXPECT_FALSE(exact::Assign(f, {Polynomial(), Term("1")})) << "the zero function has its own form";
  EXPECT_FALSE(exact::Assign(f, {Term("10^400x"), Term("1")})) << "beyond the Double range";
  EXPECT_EQ(f.Zl.Koeff, vorher);
  EXPECT_EQ(f.Zl.Koeff[1], 1.0);
  EXPECT_TRUE(exact::ExactOf(f));
  f.Zl.Koeff[1] = 2;
  EXPECT_FALSE(exact::ExactOf(f)) << "changed Doubles no longer carry the exact terms";
}

}  // namespace
