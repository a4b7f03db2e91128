#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "CoreTest.h"
#include "ExactTestSupport.h"
#include "algebra/PolynomT.h"
#include "exact/Term.h"
#include "parser/ParseChain.h"

namespace {

using exact::Polynomial;
using exact::ReadTerm;

std::string Repeated(const std::string& piece, std::size_t length) {
  std::string s;
  while (s.size() + piece.size() <= length) s += piece;
  return s;
}

std::string Nested(int depth, const std::string& inner) {
  return std::string(static_cast<std::size_t>(depth), '(') + inner +
         std::string(static_cast<std::size_t>(depth), ')');
}

struct ReadCase {
  const char* why;
  std::string term;
  Polynomial expected;
};

TEST(TermTest, ReadsTheNormalizedTermExactly) {
  const std::string nines(400, '9');
  const std::string longest = "0." + std::string(exact::kMaxNumberDigits - 2, '3');
  // Three whole digits more still fit: 1000.333...
  const std::string shorter = "0." + std::string(exact::kMaxNumberDigits - 6, '3');
  const Polynomial x = Polynomial::X();
  const ReadCase cases[] = {
      {"implicit products and a power of a bracket", "2(x-1)(x+3)^2",
       Decimals({"-18", "6", "10", "2"})},
      {"decimals stay exact where Doubles would not", "(x-0.1)^2", Decimals({"0.01", "-0.2", "1"})},
      {"a sum of decimals", "0.1+0.2", Decimals({"0.3"})},
      {"a sign before a product", "-(x+2)(x-2)", Decimals({"4", "0", "-1"})},
      {"star products as the first stages leave them", "7-x(4.5(+8))", Decimals({"7", "-36"})},
      {"a negative factor in brackets", "2(-3)", Decimals({"-6"})},
      {"points at either end of a number", ".5x+3.", Decimals({"3", "0.5"})},
      {"upper case X", "X^2-1", Decimals({"-1", "0", "1"})},
      {"a bracket to the power 0", "(x+1)^0", Decimals({"1"})},
      {"brackets around brackets", "((x+1))", Decimals({"1", "1"})},
      {"x times a bracket", "x(x)", x * x},
      {"a zero coefficient drops the degree", "0x^2+1", Decimals({"1"})},
      {"degree 42", "(x^21)^2-1", x.Pow(42) - Polynomial::Constant(1)},
      {"nesting 1000 deep", Nested(1000, "x"), x},
      {"a number of 400 digits", nines + "x", Polynomial::Decimal(nines) * x},
      {"a number as long as the reader takes, as a shifted term may hold", longest + "x",
       Polynomial::Decimal(longest) * x},
      {"a long number beside many small terms", shorter + Repeated("+1", 2000),
       Polynomial::Decimal(shorter) + Polynomial::Constant(1000)},
      {"25 numbers of 400 digits multiplied stay within the size",
       Repeated("(" + nines + ")", 25 * 402), Polynomial::Decimal(nines).Pow(25)},
      {"a power of a long number", "(x-0." + std::string(121, '3') + ")^20",
       (x - Polynomial::Decimal("0." + std::string(121, '3'))).Pow(20)},
  };
  for (const auto& c : cases) {
    const std::optional<Polynomial> p = ReadTerm(c.term);
    ASSERT_TRUE(p.has_value()) << c.why;
    EXPECT_EQ(*p, c.expected) << c.why;
  }
}

struct RefusalCase {
  const char* why;
  std::string term;
};

TEST(TermTest, RefusesWhatItCannotReadOrWhatGrowsTooLarge) {
  const std::string nines(400, '9');
  const RefusalCase cases[] = {
      {"empty", ""},
      {"a sign without a product", "x+"},
      {"a lone sign", "-"},
      {"a star without left factor", "*x"},
      {"a star without right factor", "x*"},
      {"two stars", "x**2"},
      {"a caret without exponent", "x^"},
      {"a power of a power without brackets", "x^2^3"},
      {"a negative exponent", "x^-2"},
      {"a fractional exponent", "x^0.5"},
      {"a fractional exponent of a bracket", "(x+1)^1.5"},
      {"a number with two points", "1.2.3x"},
      {"two points in a row", "1..2"},
      {"a point without digits", "."},
      {"a point without digits in brackets", "(.)x"},
      {"an exponent of more than four digits", "x^00002"},
      {"empty brackets", "()"},
      {"an open bracket", "(x"},
      {"a closing bracket too many", "x)"},
      {"another letter", "y"},
      {"a blank", "2 x"},
      {"a comma", "2,5"},
      {"degree 43", "x^43"},
      {"degree 43 from a product", "(x^21)^2x"},
      {"degree 43 from a power of a bracket", "(x+1)^43"},
      {"nesting 1001 deep", Nested(1001, "x")},
      {"a number longer than the reader takes", std::string(exact::kMaxNumberDigits + 1, '9')},
      {"the longest number plus 1000, which writes four characters more",
       "0." + std::string(exact::kMaxNumberDigits - 2, '3') + Repeated("+1", 2000)},
      {"26 numbers of 400 digits multiplied", Repeated("(" + nines + ")", 26 * 402)},
      {"a power beyond the size", "(" + nines + ")^9999"},
  };
  for (const auto& c : cases) EXPECT_FALSE(ReadTerm(c.term).has_value()) << c.why;
}

TEST(TermTest, HostileTextsOfOneMebibyteComeBackWithoutCrash) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  struct Hostile {
    const char* why;
    std::string term;
    bool read;
  };
  const Hostile cases[] = {
      {"one long number", std::string(kMiB, '7'), false},
      {"only points", std::string(kMiB, '.'), false},
      {"only opening brackets", std::string(kMiB, '('), false},
      {"only closing brackets", std::string(kMiB, ')'), false},
      {"only carets", std::string(kMiB, '^'), false},
      {"only x", std::string(kMiB, 'x'), false},
      {"a product of brackets past degree 42", Repeated("(x+1)", kMiB), false},
      {"deep brackets around one x", Nested(kMiB / 2, "x"), false},
      {"a long sum", Repeated("x+", kMiB) + "x", true},
      {"a long product of ones", Repeated("1*", kMiB) + "1", true},
      {"a long sum of numbers of 399 digits", Repeated(std::string(399, '9') + "+", kMiB) + "1",
       true},
      {"a long sum of powers of degree 42", Repeated("(x+0.33333)^42-", kMiB) + "1", true},
      {"nesting 1000 deep, repeated", Repeated(Nested(1000, "x") + "-", kMiB) + "1", true},
  };
  for (const auto& c : cases) {
    const std::optional<Polynomial> p = ReadTerm(c.term);
    EXPECT_EQ(p.has_value(), c.read) << c.why;
    if (p) {
      EXPECT_LE(p->Degree(), PolynomT::kMaxGrad) << c.why;
    }
  }
}

TEST(TermTest, RandomTextsOfTheTermAlphabetNeverGrowPastTheLimits) {
  // Texts of the term's own characters reach every path of the reader; whatever it accepts must
  // be a polynomial the Doubles can hold.
  const std::string alphabet = "x+-*^().0123456789(x)";
  std::uint64_t state = 0x9E3779B97F4A7C15ULL;
  for (int i = 0; i < 3000; ++i) {
    std::string t;
    const int length = 1 + static_cast<int>(state % 60);
    for (int j = 0; j < length; ++j) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      t += alphabet[(state >> 33) % alphabet.size()];
    }
    const std::optional<Polynomial> p = ReadTerm(t);
    if (p) {
      ASSERT_LE(p->Degree(), PolynomT::kMaxGrad) << t;
    }
  }
}

using AgreesTest = CoreTest;

struct AgreesCase {
  const char* why;
  std::string exact;
  std::vector<double> doubles;
  bool agrees;
};

TEST_F(AgreesTest, AgreesWithinAMillionthOfAMillionthOfTheLargestCoefficient) {
  const double inf = std::numeric_limits<double>::infinity();
  const AgreesCase cases[] = {
      {"the parser's rounded partial products",
       "(x+0.1)(x+0.2)(x-0.7)",
       {-0.014, -0.19, -0.4, 1},
       true},
      {"the same Doubles", "x^2+1", {1, 0, 1}, true},
      {"just within 1e-12", "x^2+1", {1, 0, 1 + 9e-13}, true},
      {"beyond 1e-12", "x^2+1", {1, 0, 1 + 2e-12}, false},
      {"a small coefficient measured against the largest",
       "1000000x^2+0.001",
       {0.001 + 5e-7, 0, 1e6},
       true},
      {"but not beyond it", "1000000x^2+0.001", {0.001 + 2e-6, 0, 1e6}, false},
      {"another degree: the parser gave the zero polynomial", "2x^42", {}, false},
      {"another degree: a leading coefficient beyond the zero tolerance",
       "x+1",
       {1, 1, 1e-6},
       false},
      {"both zero", "0", {}, true},
      {"an infinite Double", "x+1", {1, inf}, false},
      {"an exact coefficient beyond the Double range",
       "1" + std::string(309, '0') + "x",
       {0, 1.7976931348623157e308},
       false},
  };
  for (const auto& c : cases) {
    PolynomT read;
    for (std::size_t i = 0; i < c.doubles.size(); ++i) read.Koeff[i] = c.doubles[i];
    EXPECT_EQ(exact::Agrees(Term(c.exact), read), c.agrees) << c.why;
  }
}

TEST_F(AgreesTest, TypedTermsReadExactlyAgreeWithTheParser) {
  // The program reads a typed term twice: the parser gives its Doubles, the first stages the
  // text this reader takes. Both must describe the same polynomial.
  const char* typed[] = {
      "(x-2)(x^2+x+1)(x^2-3)",
      "(x+4)(x^2+1)^2",
      "(x+0.1)(x+0.2)(x-0.7)",
      "x^2 + 2,5x",
      "2(x-1)(x+3)",
      "-(x+2)(x-2)",
      "(x+1)((x+2)(x+3))",
      "(x+1)^12",
      "X^2-1",
      "(x+1)x^+2",
      "x^^2",
      "3*x*(x+1)",
      "x*-1",
      "2*-3",
      "7-x*4.5*+8",
      "--(x+1)",
      "x--2(x+1)",
      "(x-)-9",
      "((x+1)",
      "(x-2)(x+1",
      "(x-0.001)(x-1.001)(x-136.9)",
      "0.5x^3-0.25x+.125",
      "(x)2",
      "2.x",
      "x^2x",
  };
  for (const char* t : typed) {
    PolynomT read;
    bool parsed = false;
    Parser::ParseChain(t, read, parsed);
    ASSERT_TRUE(parsed) << t;
    std::string normalized = t;
    bool ok = false;
    Parser::NormalizedTerm(normalized, ok);
    ASSERT_TRUE(ok) << t;
    const std::optional<Polynomial> p = ReadTerm(normalized);
    ASSERT_TRUE(p.has_value()) << t << " normalized to " << normalized;
    EXPECT_TRUE(exact::Agrees(*p, read)) << t;
  }
}

}  // namespace
