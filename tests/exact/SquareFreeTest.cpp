#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "ExactTestSupport.h"
#include "exact/SquareFree.h"

namespace {

using exact::Polynomial;
using exact::SquareFreeFactor;

struct Expected {
  const char* factor;
  int multiplicity;
};

struct SquareFreeCase {
  const char* why;
  const char* p;
  std::vector<Expected> factors;
};

bool HasIntegerCoefficientsWithoutCommonDivisor(const Polynomial& f) {
  exact::Rational content;
  fmpq_poly_content(content.get(), f.get());
  return fmpq_is_one(content.get()) && fmpz_is_one(fmpq_poly_denref(f.get()));
}

TEST(SquareFreeTest, SplitsIntoPrimitiveSquareFreeFactorsByMultiplicity) {
  const SquareFreeCase cases[] = {
      {"a power of a quadratic", "(x^2-1)^21", {{"x^2-1", 21}}},
      {"a content of 3 dropped", "3x^3-9x^2+12", {{"x+1", 1}, {"x-2", 2}}},
      {"simple zeros stay one factor", "(x-1)(x-2)(x-3)", {{"x^3-6x^2+11x-6", 1}}},
      {"a negative leading coefficient turned positive", "-2x+4", {{"x-2", 1}}},
      {"decimal coefficients made whole", "0.5x^2-0.5", {{"x^2-1", 1}}},
      {"a leading coefficient that is no content", "(2x-1)^2(3x+1)", {{"3x+1", 1}, {"2x-1", 2}}},
      {"ascending multiplicities", "x^3(x^2+1)^2(x-0.1)^4", {{"x^2+1", 2}, {"x", 3}, {"10x-1", 4}}},
      {"a negative square", "-x^2", {{"x", 2}}},
      {"a constant gives nothing", "5", {}},
      {"the zero polynomial gives nothing", "0", {}},
  };
  for (const auto& c : cases) {
    const Polynomial p = Term(c.p);
    const std::vector<SquareFreeFactor> factors = exact::SquareFree(p);
    ASSERT_EQ(factors.size(), c.factors.size()) << c.why;
    Polynomial product = Polynomial::Constant(1);
    for (std::size_t i = 0; i < factors.size(); ++i) {
      const SquareFreeFactor& f = factors[i];
      EXPECT_EQ(f.factor, Term(c.factors[i].factor)) << c.why << ", factor " << i;
      EXPECT_EQ(f.multiplicity, c.factors[i].multiplicity) << c.why << ", factor " << i;
      EXPECT_FALSE(f.zeros.has_value()) << c.why << ": no zeros before the root finder ran";
      EXPECT_TRUE(HasIntegerCoefficientsWithoutCommonDivisor(f.factor)) << c.why;
      EXPECT_GT(f.factor.Coefficient(f.factor.Degree()).Sign(), 0) << c.why;
      product = product * f.factor.Pow(static_cast<unsigned long>(f.multiplicity));
    }
    if (!p.IsConstant()) {
      EXPECT_TRUE(p.ExactQuotient(product).IsConstant() && p.DividedBy(product))
          << c.why << ": the factors make up p";
    }
  }
}

TEST(SquareFreeTest, FactorsOfAHighPowerProductArePairwiseCoprimeAndSquareFree) {
  // Multiplicities up to 7 of factors with decimal zeros, as a typed numerator of degree 42 has.
  const Polynomial p =
      Term("(x-0.1)(x+0.2)^2(x^2-0.3)^3(x-1.7)^4(x^2+x+1)^5(x-136.9)^6(x+0.001)^7(x-5)^2");
  const std::vector<SquareFreeFactor> factors = exact::SquareFree(p);
  ASSERT_EQ(factors.size(), 7u);
  for (std::size_t i = 0; i < factors.size(); ++i) {
    const Polynomial& f = factors[i].factor;
    EXPECT_TRUE(Polynomial::Gcd(f, f.Derivative()).IsConstant()) << "factor " << i;
    for (std::size_t j = i + 1; j < factors.size(); ++j)
      EXPECT_TRUE(Polynomial::Gcd(f, factors[j].factor).IsConstant()) << i << " and " << j;
  }
  EXPECT_EQ(factors[1].multiplicity, 2);
  EXPECT_EQ(factors[1].factor, Term("(5x+1)(x-5)"));
}

}  // namespace
