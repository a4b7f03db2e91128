#include "parser/TermArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>

#include "ParserTestSupport.h"
#include "algebra/TextSemantics.h"

namespace {

const std::string kDegreeMessage =
    "Wegen Gradüberschreitung wird als Teilergebnis das Nullpolynom eingesetzt";

struct ArithmeticRow {
  const char* name;
  std::function<std::string(bool&)> call;
  std::string text;
  bool ok;
  int degreeMessages;
  friend void PrintTo(const ArithmeticRow& r, std::ostream* os) { *os << r.name; }
};

class TermArithmetic : public parser_test::ParserTest,
                       public ::testing::WithParamInterface<ArithmeticRow> {};

TEST_P(TermArithmetic, WritesTheResultAsTermText) {
  const ArithmeticRow& r = GetParam();
  bool ok = true;
  EXPECT_EQ(r.call(ok), r.text);
  EXPECT_EQ(ok, r.ok);
  EXPECT_EQ(context.messages, std::vector<std::string>(r.degreeMessages, kDegreeMessage));
}

auto Power(std::string t, std::int32_t n) {
  return [t, n](bool& ok) { return Parser::Potenzieren(t, n, ok); };
}

auto Product(std::string a, std::string b) {
  return [a, b](bool& ok) { return Parser::Produkt(a, b, ok); };
}

const std::string k300Digits = "1" + std::string(300, '0');

INSTANTIATE_TEST_SUITE_P(
    PowersAndProducts, TermArithmetic,
    ::testing::Values(
        ArithmeticRow{"power_zero_is_one", Power("x+1", 0), "1", true, 0},
        ArithmeticRow{"power_one_keeps_the_text_in_brackets", Power("x+1", 1), "(x+1)", true, 0},
        ArithmeticRow{"square", Power("x+1", 2), "1  + 2x  + x^2  ", true, 0},
        ArithmeticRow{"square_up_to_degree_40", Power("x^20", 2), "x^40  ", true, 0},
        ArithmeticRow{"square_reaching_42", Power("x^21", 2), "0", true, 1},
        ArithmeticRow{"overflow_at_the_sixth_power_shows_once", Power("x^7", 6), "0", true, 1},
        ArithmeticRow{"huge_exponent_stops_at_zero", Power("x+1", 2147483647), "0", true, 1},
        ArithmeticRow{"refused_base", Power("2x3", 2), "0", false, 0},
        ArithmeticRow{"refused_base_to_the_power_zero", Power("2x3", 0), "1", false, 0},
        ArithmeticRow{"zero_base", Power("0", 5000), "0", true, 0},
        ArithmeticRow{"constant_to_the_1000th", Power("1", 1000), "1  ", true, 0},
        ArithmeticRow{"constant_beyond_1000", Power("1", 1001), "0", false, 0},
        ArithmeticRow{"constant_power_beyond_double_range", Power("10", 400), "0", false, 0},
        ArithmeticRow{"product", Product("x+1", "x-1"), "- 1  + x^2  ", true, 0},
        ArithmeticRow{"product_rounded_to_14_decimals", Product("x+0.1", "x+0.2"),
                      "0.02  + 0.3x  + x^2  ", true, 0},
        ArithmeticRow{"refused_factor_gives_zero_silently", Product("2x3", "x"), "0", false, 0},
        ArithmeticRow{"refused_right_factor", Product("x", "x0"), "0", false, 0},
        ArithmeticRow{"product_reaching_42", Product("x^21", "x^21"), "0", true, 1},
        ArithmeticRow{"zero_factor_without_message", Product("0", "x^42"), "0", true, 0},
        ArithmeticRow{"product_beyond_double_range", Product(k300Digits, k300Digits), "0", false,
                      0}),
    parser_test::RowName<ArithmeticRow>);

using TermArithmeticFlag = parser_test::ParserTest;

TEST_F(TermArithmeticFlag, IsNeverSet) {
  bool ok = false;
  EXPECT_EQ(Parser::Produkt("x", "x", ok), "x^2  ");
  EXPECT_EQ(Parser::Potenzieren("x", 3, ok), "x^3  ");
  EXPECT_FALSE(ok);
}

TEST_F(TermArithmeticFlag, ConstantPowersStayExact) {
  bool ok = true;
  EXPECT_EQ(text::Val(Parser::Potenzieren("2", 1000, ok)), std::ldexp(1.0, 1000));
  EXPECT_TRUE(ok);
}

}  // namespace
