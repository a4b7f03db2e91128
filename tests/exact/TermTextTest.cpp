#include <gtest/gtest.h>

#include <random>
#include <string>

#include "CoreTest.h"
#include "ExactTestSupport.h"
#include "exact/Term.h"
#include "exact/TermText.h"
#include "parser/ParseChain.h"

namespace {

using exact::Polynomial;
using exact::TermText;
using TermTextTest = CoreTest;

struct TextCase {
  const char* why;
  Polynomial p;
  std::string expected;
};

TEST_F(TermTextTest, WritesEveryDecimalOfAFiniteDecimal) {
  const TextCase cases[] = {
      {"0.125^5 needs 15 decimals", Term("(x-0.125)^5"),
       "- 0.000030517578125  + 0.001220703125x  - 0.01953125x^2  + 0.15625x^3  - 0.625x^4  + x^5  "},
      {"a whole number beyond 2^53 with all its digits", Term("3^40x"), "12157665459056928801x  "},
      {"ones before powers of x are left out, not before the constant", Term("-1-x+x^2"),
       "- 1  - x  + x^2  "},
      {"the zero polynomial", Polynomial(), "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(TermText(c.p), c.expected) << c.why;

  Polynomial third = Polynomial::X();
  fmpq_poly_scalar_div_si(third.get(), third.get(), 3);
  EXPECT_EQ(TermText(third), "0.33333333333333x  ");
}

// The texts of terms whose coefficients need at most 14 decimals stay those of the Doubles.
TEST_F(TermTextTest, CoefficientsOfFourteenDecimalsAtMostAreWrittenAsTheDoublesWriteThem) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> decimals(0, 14);
  std::uniform_int_distribution<long> digits(-999999, 999999);
  for (int n = 0; n < 2000; ++n) {
    PolynomT p;
    std::string typed;
    for (int i = 0; i <= 6; ++i) {
      const long d = digits(random);
      const std::string c = std::to_string(d < 0 ? -d : d);
      const int k = decimals(random);
      std::string number = std::string(k + 1 > static_cast<int>(c.size()) ? k + 1 - c.size() : 0, '0') + c;
      if (k > 0) number.insert(number.size() - k, ".");
      typed += (d < 0 ? "-" : "+") + number + "x^" + std::to_string(i);
    }
    // A leading coefficient below the zero tolerance would not count for the Doubles' degree.
    typed += "+x^7";
    const Polynomial e = Term(typed);
    ASSERT_TRUE(e.RoundInto(p));
    EXPECT_EQ(TermText(e), p.Term2String()) << typed;
  }
}

TEST_F(TermTextTest, TheParserReadsTheTextBackAsTheSamePolynomial) {
  const char* terms[] = {"(x-0.125)^5", "(x-0.123456789)^20", "(x-2)^20", "x^42-0.5",
                         "(1000.0001x+0.000001)^7", "-(x+0.3)^3(x-7.25)^4"};
  for (const char* t : terms) {
    const Polynomial e = Term(t);
    const std::optional<Polynomial> back = Parser::ExactTerm(TermText(e));
    ASSERT_TRUE(back.has_value()) << t;
    EXPECT_EQ(*back, e) << t;
    PolynomT gelesen;
    bool ok = false;
    Parser::ParseChain(TermText(e), gelesen, ok);
    EXPECT_TRUE(ok && exact::Agrees(e, gelesen)) << t;
  }
}

// 10^303 + 2^-9696: its text has 10001 characters, but the decimal size of 2^9696 counts one
// digit more than it has, so a length taken from the two sizes alone comes out at 10000.
Polynomial LongWholePart() {
  exact::Rational q;
  fmpz_t num;
  fmpz_t den;
  fmpz_init(num);
  fmpz_init(den);
  fmpz_one(den);
  fmpz_mul_2exp(den, den, 9696);
  fmpz_set_ui(num, 10);
  fmpz_pow_ui(num, num, 303);
  fmpz_mul(num, num, den);
  fmpz_add_ui(num, num, 1);
  fmpq_set_fmpz_frac(q.get(), num, den);
  fmpz_clear(num);
  fmpz_clear(den);
  Polynomial p;
  fmpq_poly_set_coeff_fmpq(p.get(), 0, q.get());
  return p;
}

// Shifts and products write numbers of many more decimals than anyone types: x^20 shifted by a
// vector of 121 decimals has 2420 in its constant. Whatever the reader takes back is Readable, and
// what is Readable the reader takes back as the same polynomial.
TEST_F(TermTextTest, ALongTextIsReadBackExactlyOrNotReadableAtAll) {
  const std::size_t most = exact::kMaxNumberDigits;
  const auto shifted = [](std::size_t threes, unsigned long power) {
    return (Polynomial::X() - Polynomial::Decimal("0." + std::string(threes, '3'))).Pow(power);
  };
  struct Case {
    const char* why;
    Polynomial p;
    bool readable;
  };
  const Case cases[] = {
      {"x^20 shifted by 121 decimals", shifted(121, 20), true},
      {"x^20 shifted by 119 decimals", shifted(119, 20), true},
      {"x^42 shifted by 238 decimals, at the limit", shifted(238, 42), true},
      {"x^42 shifted by 239 decimals, beyond it", shifted(239, 42), false},
      {"a constant one digit beyond the limit", Polynomial::Decimal(std::string(most, '9') + "9"),
       false},
      {"a sum whose common denominator is larger than any of its numbers",
       Polynomial::Decimal(std::string(300, '9')) * Polynomial::X() +
           Polynomial::Decimal("0." + std::string(most - 12, '0') + "1"),
       true},
      {"a whole part whose digits the size of the denominator hides", LongWholePart(), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(exact::Readable(c.p), c.readable) << c.why;
    const std::string text = TermText(c.p);
    EXPECT_EQ(exact::HasOverlongNumber(text), !c.readable) << c.why;
    // The function texts write a numerator with a sign in brackets.
    for (const std::string& t : {text, "(" + text + ")"}) {
      const std::optional<Polynomial> back = Parser::ExactTerm(t);
      EXPECT_EQ(back.has_value(), c.readable) << c.why;
      if (back) {
        EXPECT_EQ(*back, c.p) << c.why;
      }
    }
  }
}

TEST_F(TermTextTest, AnOverlongNumberIsFoundInAnyTermText) {
  const std::string most(exact::kMaxNumberDigits, '1');
  EXPECT_FALSE(exact::HasOverlongNumber(most + "x+" + most));
  EXPECT_TRUE(exact::HasOverlongNumber("x+" + most + "1"));
  EXPECT_TRUE(exact::HasOverlongNumber("x+0," + most));
  EXPECT_TRUE(exact::HasOverlongNumber("(x) / (" + most + ".5)"));
}

}  // namespace
