#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "ParserTestSupport.h"
#include "parser/Grobkontrolle.h"
#include "parser/KlammerAusgleich.h"

namespace {

struct StageRow {
  const char* name;
  std::string text;
  std::string result;
  bool ok;
  friend void PrintTo(const StageRow& r, std::ostream* os) { *os << r.name; }
};

class GrobkontrolleRow : public ::testing::TestWithParam<StageRow> {};

TEST_P(GrobkontrolleRow, RefusesOrReduces) {
  std::string s = GetParam().text;
  bool ok = true;
  Parser::Grobkontrolle(s, ok);
  EXPECT_EQ(s, GetParam().result);
  EXPECT_EQ(ok, GetParam().ok);
}

INSTANTIATE_TEST_SUITE_P(
    RoughCheck, GrobkontrolleRow,
    ::testing::Values(StageRow{"comma_becomes_point", "x^2 + 2,5x", "x^2+2.5x", true},
                      StageRow{"blanks_dropped", " 2 x ^ 2 - ( x + 1 ) ", "2x^2-(x+1)", true},
                      StageRow{"other_letter", "2 y + 1", "", false},
                      StageRow{"upper_case_x_kept", "X^2", "X^2", true},
                      StageRow{"unicode_and_control", "x\xc2\xb2\t+\r\n1\x01", "", false},
                      StageRow{"slash", "1/2x^2", "", false},
                      StageRow{"blank_between_digits", "x^2 2", "", false},
                      StageRow{"blanks_between_point_and_digit", "1.  5", "", false},
                      StageRow{"tabs_dropped_like_blanks", "\tx^2\t+ 1\t", "x^2+1", true},
                      StageRow{"tab_between_digits", "1\t5", "", false},
                      StageRow{"double_star", "2**x", "", false},
                      StageRow{"power_of_x_by_x", "x^x", "", false},
                      StageRow{"upper_case_power_by_x", "x^X", "", false},
                      StageRow{"bracket_as_exponent", "x^(x+1)", "", false},
                      StageRow{"exponent_notation", "1e3", "", false},
                      StageRow{"function_name", "exp(x)", "", false},
                      StageRow{"upper_case_e", "E", "", false}),
    parser_test::RowName<StageRow>);

class KlammerAusgleichRow : public ::testing::TestWithParam<StageRow> {};

TEST_P(KlammerAusgleichRow, BalancesAndGroupsProducts) {
  std::string s = GetParam().text;
  bool ok = true;
  Parser::KlammerAusgleich(s, ok);
  EXPECT_EQ(s, GetParam().result);
  EXPECT_EQ(ok, GetParam().ok);
}

INSTANTIATE_TEST_SUITE_P(
    BracketBalance, KlammerAusgleichRow,
    ::testing::Values(
        StageRow{"bracket_closing_nothing", "(x+1))(", "(x+1))(", false},
        StageRow{"closing_before_opening", ")x(", ")x(", false},
        StageRow{"open_bracket_closed_at_the_end", "((x+1)", "((x+1))", true},
        StageRow{"second_bracket_closed_at_the_end", "(x-2)(x+1", "(x-2)(x+1)", true},
        StageRow{"product_up_to_plus", "2*x^2+1", "2(x^2)+1", true},
        StageRow{"product_up_to_minus", "2*x-1", "2(x)-1", true},
        StageRow{"product_to_the_end", "3*x", "3(x)", true},
        StageRow{"products_nest", "x*2*x", "x(2(x))", true},
        StageRow{"bracket_then_star", "(x+1)*x^2", "(x+1)(x^2)", true},
        StageRow{"star_before_bracket_deleted", "x^2*(x+1)", "x^2(x+1)", true},
        StageRow{"star_before_bracket_then_another", "2*(x+1)*x^2", "2(x+1)(x^2)", true},
        StageRow{"factor_with_bracket", "3*x*(x+1)", "3(x(x+1))", true},
        StageRow{"four_factors", "2*x*3*x", "2(x(3(x)))", true},
        StageRow{"factor_with_sign", "x*-1", "x(-1)", true},
        StageRow{"number_with_sign", "2*-3", "2(-3)", true},
        StageRow{"factor_ends_at_enclosing_bracket", "(2*x)+1", "(2(x))+1", true},
        StageRow{"sign_in_exponent_stays_in_factor", "2*x^+2+1", "2(x^+2)+1", true},
        StageRow{"sign_after_a_later_star_stays_in_factor", "x*4.5*+8-1", "x(4.5(+8))-1", true},
        StageRow{"star_at_the_start", "*2", "*2", false},
        StageRow{"star_at_the_end", "2*", "2*", false},
        StageRow{"star_after_sign", "2-*3", "2-*3", false},
        StageRow{"star_after_bracket", "(*x)", "(*x)", false},
        StageRow{"star_before_closing_bracket", "(2*)", "(2*)", false},
        StageRow{"only_signs_after_star", "2*-", "2*-", false}),
    parser_test::RowName<StageRow>);

TEST(KlammerAusgleich, RewritesNothingOnceRefused) {
  std::string s = "2*x";
  bool ok = false;
  Parser::KlammerAusgleich(s, ok);
  EXPECT_EQ(s, "2*x");
  EXPECT_FALSE(ok);
}

}  // namespace
