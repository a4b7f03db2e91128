#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "ExactTestSupport.h"
#include "exact/Cascade.h"

namespace {

using exact::Cascade;
using exact::Polynomial;

constexpr double kInf = std::numeric_limits<double>::infinity();

// The sign the cascade gives at x, from the value Horner's scheme has there.
int SignAt(const Cascade& c, int k, double x) {
  return c.Sign(k, x, HornerValue(c.Rounded(k), x));
}

int SignOf(double v) {
  return (v > 0) - (v < 0);
}

TEST(CascadeTest, SignsBesideAndOnTheZerosOfAClusterAreExact) {
  // Ten simple zeros 0.001 apart. Only 1 is a Double; each other zero lies strictly between
  // the neighbours of its nearest Double, so the sign there is (-1)^(zeros above the point).
  std::string text;
  for (int j = 0; j < 10; ++j) text += "(x-1.00" + std::to_string(j) + ")";
  const Cascade c(Term(text));
  EXPECT_EQ(SignAt(c, 0, 1.0), 0) << "exactly on the zero 1";
  for (int j = 0; j < 10; ++j) {
    const std::string zero = "1.00" + std::to_string(j);
    const double z = std::strtod(zero.c_str(), nullptr);
    const double below = std::nextafter(z, 0.0);
    const double above = std::nextafter(z, 2.0);
    const int sign = (10 - j) % 2 == 0 ? 1 : -1;
    EXPECT_EQ(SignAt(c, 0, below), sign) << "below zero " << j;
    EXPECT_EQ(SignAt(c, 0, above), -sign) << "above zero " << j;
  }
}

TEST(CascadeTest, SignsWhereHornersValueHasTheWrongSign) {
  // D(k) of (x-1)^7 is 7!/(7-k)! (x-1)^(7-k), so its sign at 1 + h is that of h^(7-k). Near 1 the
  // expanded coefficients cancel far below their rounding errors.
  const Cascade c(Term("(x-1)^7"));
  int wrongHorner = 0;
  for (int m = 1; m <= 60; ++m)
    for (const double h : {std::ldexp(1.0, -m), -std::ldexp(1.0, -m), 3 * std::ldexp(1.0, -m)}) {
      const double x = 1 + h;
      if (x == 1) continue;
      for (int k = 0; k < 7; ++k) {
        const int sign = (7 - k) % 2 == 0 || x > 1 ? 1 : -1;
        EXPECT_EQ(SignAt(c, k, x), sign) << "D(" << k << ") at 1 + " << h;
        wrongHorner += SignOf(HornerValue(c.Rounded(k), x)) != sign;
      }
    }
  for (int k = 0; k < 7; ++k) EXPECT_EQ(SignAt(c, k, 1.0), 0) << "D(" << k << ") at 1";
  EXPECT_EQ(SignAt(c, 7, 1.0), 1) << "D(7) is the constant 5040";
  EXPECT_GT(wrongHorner, 0) << "the points include some where Doubles alone fail";
}

TEST(CascadeTest, SignsOfWilkinsonsPolynomialBesideEveryZero) {
  // (x-1)(x-2)...(x-20): coefficients up to 20! are no Doubles, and beside the larger zeros
  // Horner's value is pure noise.
  std::string text;
  for (int j = 1; j <= 20; ++j) text += "(x-" + std::to_string(j) + ")";
  const Cascade c(Term(text));
  int wrongHorner = 0;
  for (int j = 1; j <= 20; ++j) {
    const double z = j;
    EXPECT_EQ(SignAt(c, 0, z), 0) << "on " << j;
    for (const double x : {std::nextafter(z, 0.0), std::nextafter(z, 30.0), z - 1e-9, z + 1e-9}) {
      const int above = 20 - j + (x < z);
      const int sign = above % 2 == 0 ? 1 : -1;
      EXPECT_EQ(SignAt(c, 0, x), sign) << "beside " << j << " at " << x;
      wrongHorner += SignOf(HornerValue(c.Rounded(0), x)) != sign;
    }
  }
  EXPECT_GT(wrongHorner, 0);
}

TEST(CascadeTest, RoundedDerivativesHoldTheNearestDoubles) {
  // D(1) of 0.1x^3 + 0.7x^2 is 0.3x^2 + 1.4x exactly; 3 * 0.1 in Doubles would be
  // 0.30000000000000004.
  const Cascade c(Term("0.1x^3+0.7x^2"));
  ASSERT_EQ(c.Degree(), 3);
  const std::vector<std::vector<double>> expected = {
      {0, 0, 0.7, 0.1}, {0, 1.4, 0.3}, {1.4, 0.6}, {0.6}};
  for (int k = 0; k <= 3; ++k) {
    std::array<double, PolynomT::kMaxGrad + 1> want{};
    for (std::size_t i = 0; i < expected[static_cast<std::size_t>(k)].size(); ++i)
      want[i] = expected[static_cast<std::size_t>(k)][i];
    EXPECT_EQ(c.Rounded(k), want) << "D(" << k << ")";
  }
  EXPECT_NE(3 * 0.1, 0.3);
}

TEST(CascadeTest, ACoefficientBeyondTheDoubleRangeLeavesTheSignToExactEvaluation) {
  const std::string big = "1" + std::string(309, '0');
  const Cascade c(Term(big + "x-" + big));
  EXPECT_EQ(c.Rounded(0)[1], kInf);
  EXPECT_EQ(c.Rounded(0)[0], -kInf);
  EXPECT_EQ(SignAt(c, 0, 1.0), 0);
  EXPECT_EQ(SignAt(c, 0, std::nextafter(1.0, 2.0)), 1);
  EXPECT_EQ(SignAt(c, 0, std::nextafter(1.0, 0.0)), -1);
}

// The sum of 2^e over the exponents.
exact::Rational PowersOfTwo(std::initializer_list<long> exponents) {
  exact::Rational sum;
  for (long e : exponents) {
    exact::Rational power;
    fmpz_one(fmpq_numref(power.get()));
    if (e >= 0) {
      fmpz_mul_2exp(fmpq_numref(power.get()), fmpq_numref(power.get()), static_cast<ulong>(e));
    } else {
      fmpz_one_2exp(fmpq_denref(power.get()), static_cast<ulong>(-e));
    }
    fmpq_add(sum.get(), sum.get(), power.get());
  }
  return sum;
}

TEST(CascadeTest, ATinyCoefficientLeavesTheSignToExactEvaluation) {
  // 10^-331 rounds to 0: Horner's -1 at 10^170 looks certain, but the exact value is near 10^9.
  const Cascade underflow(Term("0." + std::string(330, '0') + "1x^2-1"));
  EXPECT_EQ(SignAt(underflow, 0, 1e170), 1);
  EXPECT_EQ(SignAt(underflow, 1, 1e170), 1);

  // (2^-990 + 2^-1050 + 2^-1089) x - (1 + 2^-60 + 2^-100) is 2^-100 at x = 2^990. The low part
  // of the first coefficient loses 2^-1089 to underflow, which turns the compensated value to
  // -2^-100, outside its bound.
  exact::Rational constant = PowersOfTwo({0, -60, -100});
  fmpq_neg(constant.get(), constant.get());
  Polynomial lost;
  fmpq_poly_set_coeff_fmpq(lost.get(), 1, PowersOfTwo({-990, -1050, -1089}).get());
  fmpq_poly_set_coeff_fmpq(lost.get(), 0, constant.get());
  const Cascade c(lost);
  EXPECT_EQ(SignAt(c, 0, 0x1p990), 1);
}

TEST(CascadeTest, LinearZeroIsTheNearestDouble) {
  struct Case {
    const char* why;
    const char* p;
    double zero;
  };
  const Case cases[] = {
      {"a third", "3x-1", 1.0 / 3},
      {"a decimal", "x-0.1", 0.1},
      {"of the first derivative", "10x^2-11x+1", 0.55},
      {"of the second derivative", "(x-0.1)(x-0.2)(x-0.3)", 0.2},
  };
  for (const auto& c : cases) EXPECT_EQ(Cascade(Term(c.p)).LinearZero(), c.zero) << c.why;
}

TEST(CascadeTest, AboveDegree42TheCascadeIsEmpty) {
  // The numerator of f'' of 1/(x^23 + x + 1) has degree 44: its derivatives must not be written
  // past the 43 Doubles of a level.
  const Polynomial x = Polynomial::X();
  const Polynomial p = Polynomial::Constant(552) * x.Pow(44) -
                       Polynomial::Constant(414) * x.Pow(22) -
                       Polynomial::Constant(506) * x.Pow(21) + Polynomial::Constant(2);
  EXPECT_EQ(Cascade(p).Degree(), -1);
  EXPECT_EQ(Cascade(Term("(x^21)^2-1")).Degree(), 42);
}

}  // namespace
