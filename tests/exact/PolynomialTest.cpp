#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "ExactTestSupport.h"
#include "exact/Polynomial.h"

namespace {

using exact::Polynomial;

TEST(PolynomialTest, ADecimalRoundsToTheNearestDouble) {
  // strtod rounds correctly, so it is the reference. The rows hold decimals whose truncation
  // gives the Double below and decimals that lie exactly on or just beside a tie.
  const char* decimals[] = {
      "136.9",
      "0.1",
      ".5",
      "3.",
      "007.250",
      "0.3",
      "2.675",
      "1.00000000000000011102230246251565404236316680908203125",
      "1.000000000000000111022302462515654042363166809082031250000001",
      "1.0000000000000003330669073875469621270895004272460937500",
      "123456789012345678901234567890.123456789",
      "0.000000000000000000000000000000000000000000000000000000000123",
  };
  for (const char* d : decimals) {
    const Polynomial p = Polynomial::Decimal(d);
    EXPECT_EQ(p.Coefficient(0).ToDouble(), std::strtod(d, nullptr)) << d;
  }
  EXPECT_EQ(Polynomial::Decimal("136.9").Coefficient(0).ToDouble(), 136.9);
  exact::Rational q;
  fmpq_set_si(q.get(), 1369, 10);
  EXPECT_TRUE(fmpq_equal(Polynomial::Decimal("136.9").Coefficient(0).get(), q.get()))
      << "the decimal itself, not a Double";
}

struct GcdCase {
  const char* why;
  const char* a;
  const char* b;
  const char* gcd;
};

TEST(PolynomialTest, GcdIsTheMonicCommonFactor) {
  const GcdCase cases[] = {
      {"one shared linear factor", "(x-1)(x+2)", "(x-1)(x-3)", "x-1"},
      {"made monic", "2x-1", "4x^2-1", "x-0.5"},
      {"shared factor with decimal zeros and multiplicities", "(x-0.1)^2(x+3)", "(x-0.1)(x+3)^2",
       "(x-0.1)(x+3)"},
      {"coprime", "x^2+1", "x-1", "1"},
      {"0 and a polynomial", "0", "3x+6", "x+2"},
      {"both 0", "0", "0", "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Polynomial::Gcd(Term(c.a), Term(c.b)), Term(c.gcd)) << c.why;
}

TEST(PolynomialTest, WithoutFactorsOfDividesOffEveryPowerOfTheSharedFactors) {
  const GcdCase cases[] = {
      {"every power of the shared factor", "(x-1)^3(x+2)", "x-1", "x+2"},
      {"the constant stays", "2(x-1)^3(x+2)", "(x-1)(x+5)", "2x+4"},
      {"a higher power in the other", "(x-1)^2", "(x-1)^5", "1"},
      {"nothing shared", "x^2+1", "x-1", "x^2+1"},
      {"a constant", "5", "x", "5"},
      {"0 stays 0", "0", "x", "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Term(c.a).WithoutFactorsOf(Term(c.b)), Term(c.gcd)) << c.why;
}

struct SignCase {
  const char* why;
  const char* p;
  double x;
  int sign;
};

TEST(PolynomialTest, SignAtIsTheExactSignAtTheDouble) {
  const SignCase cases[] = {
      {"the Double sqrt(2) lies above sqrt(2)", "x^2-2", 1.4142135623730951, 1},
      {"its lower neighbour lies below", "x^2-2", 1.4142135623730949, -1},
      {"the Double 0.1 lies above 1/10", "x-0.1", 0.1, 1},
      {"a zero that is a Double", "x-0.5", 0.5, 0},
      {"an odd power of 2^-52 above its zero", "(x-1)^21", 1 + 0x1p-52, 1},
      {"an odd power of 2^-53 below its zero", "(x-1)^21", 1 - 0x1p-53, -1},
      {"the zero polynomial", "0", 3, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Term(c.p).SignAt(c.x), c.sign) << c.why;
}

struct RoundCase {
  const char* why;
  Polynomial p;
  bool rounded;
  std::vector<double> coefficients;
};

TEST(PolynomialTest, RoundIntoGivesTheNearestDoublesOrRefuses) {
  const std::string beyond = "1" + std::string(309, '0');
  std::vector<double> x42(PolynomT::kMaxGrad + 1, 0.0);
  x42.back() = 1;
  const RoundCase cases[] = {
      {"each coefficient the nearest Double",
       Term("0.1(x-1369)(x+1)"),
       true,
       {-136.9, -136.8, 0.1}},
      {"the zero polynomial", Polynomial(), true, {}},
      {"degree 42 fits", Polynomial::X().Pow(42), true, x42},
      {"degree 43 does not", Polynomial::X().Pow(43), false, {}},
      {"a coefficient beyond the Double range", Term(beyond + "x+1"), false, {}},
      {"a negative one too", Term("1-" + beyond), false, {}},
  };
  for (const auto& c : cases) {
    PolynomT target;
    target.Koeff.fill(7);
    const bool rounded = c.p.RoundInto(target);
    EXPECT_EQ(rounded, c.rounded) << c.why;
    PolynomT expected;
    if (rounded) {
      for (std::size_t i = 0; i < c.coefficients.size(); ++i) expected.Koeff[i] = c.coefficients[i];
    } else {
      expected.Koeff.fill(7);
    }
    EXPECT_EQ(target.Koeff, expected.Koeff) << c.why << (rounded ? "" : ": the target untouched");
  }
}

}  // namespace
