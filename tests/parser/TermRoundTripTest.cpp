#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "ParserTestSupport.h"
#include "parser/ParseChain.h"
#include "parser/String2Poly.h"

namespace {

// Kinds of coefficients the term text writes differently: whole numbers, 1 and -1 (no
// magnitude), up to 14 decimals, more decimals than it keeps, large, tiny, and exactly 0
// (no term at all).
double Coefficient(std::mt19937& random) {
  std::uniform_int_distribution<int> kind(0, 7);
  std::uniform_int_distribution<int> whole(-50, 50);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-12, 15);
  switch (kind(random)) {
    case 0:
      return whole(random);
    case 1:
      return whole(random) < 0 ? -1.0 : 1.0;
    case 2:
      return std::round(unit(random) * 1e14) / 1e14;
    case 3:
      return unit(random) * 1000.0;
    case 4:
      return unit(random) * std::pow(10.0, exponent(random));
    case 5:
      return unit(random) * 1e-10;
    default:
      return 0.0;
  }
}

// The term text keeps 14 decimals; where the magnitude leaves fewer to a double, it keeps them all.
double Carried(double c) {
  return 0.5e-14 + 4 * std::numeric_limits<double>::epsilon() * std::abs(c);
}

class TermRoundTrip : public parser_test::ParserTest {};

TEST_F(TermRoundTrip, EveryTermTextReadsBackToItsPolynomial) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> degree(0, PolynomT::kMaxGrad);
  for (int n = 0; n < 1000; ++n) {
    PolynomT P;
    const int d = degree(random);
    for (int i = 0; i <= d; ++i) P.Koeff[i] = Coefficient(random);
    const std::string text = P.Term2String();
    SCOPED_TRACE(text);

    PolynomT direct;
    bool directOk = false;
    Parser::String2Poly(direct, text, directOk);
    PolynomT chained;
    bool chainOk = false;
    Parser::ParseChain(text, chained, chainOk);
    ASSERT_TRUE(directOk);
    ASSERT_TRUE(chainOk);

    const int g = P.grad();
    for (int i = 0; i <= PolynomT::kMaxGrad; ++i) {
      // Coefficients above the degree get no term.
      const double want = i <= g ? P.Koeff[i] : 0.0;
      EXPECT_NEAR(direct.Koeff[i], want, Carried(want)) << "x^" << i;
      EXPECT_EQ(chained.Koeff[i], direct.Koeff[i]) << "x^" << i;
    }
  }
}

}  // namespace
