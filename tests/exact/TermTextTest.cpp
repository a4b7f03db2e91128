#include <gtest/gtest.h>

#include <random>
#include <string>

#include "CoreTest.h"
#include "ExactTestSupport.h"
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

}  // namespace
