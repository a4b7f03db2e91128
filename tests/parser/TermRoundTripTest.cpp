#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "ParserTestSupport.h"
#include "algebra/RationalT.h"
#include "exact/Term.h"
#include "funclist/core/Funktionsliste.h"
#include "funclist/core/Register.h"
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

void FillRandomly(PolynomT& P, std::mt19937& random, int maxDegree) {
  std::uniform_int_distribution<int> degree(0, maxDegree);
  P.Nullen();
  const int d = degree(random);
  for (int i = 0; i <= d; ++i) P.Koeff[i] = Coefficient(random);
}

using Koeffizienten = decltype(PolynomT::Koeff);

template <typename Reader>
Koeffizienten Accepted(const std::string& t, Reader read) {
  PolynomT P;
  bool ok = false;
  read(P, t, ok);
  EXPECT_TRUE(ok) << t;
  return P.Koeff;
}

Koeffizienten Read(const std::string& t) {
  return Accepted(t, Parser::String2Poly);
}

// What the window's run makes of a text the program wrote into a term field.
Koeffizienten Chained(const std::string& t) {
  return Accepted(
      t, [](PolynomT& P, const std::string& s, bool& ok) { Parser::ParseChain(s, P, ok); });
}

// A denominator written as "(term text)^n" reads as its term text's polynomial to the n-th
// power, multiplied out and written back as a term text, like every power of a bracket.
Koeffizienten PowerRead(const PolynomT& base, std::int32_t n) {
  PolynomT b;
  b.Koeff = Read(base.Term2String());
  if (n == 1) return b.Koeff;
  PolynomT power;
  power.KopieVon(b);
  for (std::int32_t i = 1; i < n; ++i) power.Produkt(power, b);
  return Read(power.Term2String());
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

// Function texts are what the function list holds, what the h field shows and fetches, and what
// "g <-> h", "f <-> h" and the list commands read back; "f .= f'" writes the denominator as a
// bracketed power.
TEST_F(TermRoundTrip, EveryFunctionTextReadsBackAsItsTwoTerms) {
  std::mt19937 random(20250101);
  std::uniform_int_distribution<std::int32_t> exponent(1, 3);
  for (int n = 0; n < 500; ++n) {
    RationalT f;
    f.Np = exponent(random);
    FillRandomly(f.Zl, random, PolynomT::kMaxGrad);
    // Every power of the denominator stays below the degree limit of products, and none is so
    // small that its term text writes it as zero, which no reader takes as a denominator.
    PolynomT denominator;
    do {
      FillRandomly(f.Nn, random, (PolynomT::kMaxGrad - 1) / f.Np);
      denominator.Koeff = PowerRead(f.Nn, f.Np);
    } while (denominator.grad() < 0);
    const std::string text = f.Term2string();
    SCOPED_TRACE(text);
    const Koeffizienten numerator = Read(f.Zl.Term2String());

    const Register::Haelften fields = Register::AmBruchstrichTeilen(text);
    RationalT g;
    ASSERT_TRUE(Register::HLesen(text, g));
    // Where both halves are read exactly, g holds the nearest Doubles of the exact terms; the
    // zero function keeps its own form.
    const std::optional<exact::Polynomial> exaktZl = Parser::ExactTerm(fields.links);
    const std::optional<exact::Polynomial> exaktNn = Parser::ExactTerm(fields.rechts);
    PolynomT zl;
    PolynomT nn;
    zl.Koeff = numerator;
    nn.Koeff = denominator.Koeff;
    if (exaktZl && exaktNn && !exaktZl->IsZero() && exact::Agrees(*exaktZl, zl) && exact::Agrees(*exaktNn, nn)) {
      ASSERT_TRUE(exaktZl->RoundInto(zl));
      ASSERT_TRUE(exaktNn->RoundInto(nn));
      EXPECT_TRUE(g.exakt);
    }
    EXPECT_EQ(g.Zl.Koeff, zl.Koeff);
    EXPECT_EQ(g.Nn.Koeff, nn.Koeff);

    EXPECT_EQ(Chained(fields.links), numerator);
    EXPECT_EQ(Chained(fields.rechts), denominator.Koeff);

    EXPECT_EQ(Chained(Register::NennerText(f.Nn.Term2String(), f.Np)), denominator.Koeff);
  }
  EXPECT_TRUE(context.messages.empty());
}

TEST_F(TermRoundTrip, TheListsZeroFunctionReadsBack) {
  RationalT g;
  ASSERT_TRUE(Register::HLesen(Funktionsliste::kNullfunktion, g));
  EXPECT_EQ(g.Zl.grad(), -1);
  EXPECT_EQ(g.Nn.Koeff, Read("1"));
  const Register::Haelften fields = Register::AmBruchstrichTeilen(Funktionsliste::kNullfunktion);
  EXPECT_EQ(Chained(fields.links), Read("0"));
  EXPECT_EQ(Chained(fields.rechts), Read("1"));
}

}  // namespace
