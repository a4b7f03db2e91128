#include "parser/ParseChain.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "ParserTestSupport.h"

namespace {

using parser_test::Coefficients;
using parser_test::kRefused;
using parser_test::Power;
using parser_test::Reading;

struct ChainRow {
  const char* name;
  std::string text;
  Reading expected;
  int degreeMessages = 0;
  friend void PrintTo(const ChainRow& r, std::ostream* os) { *os << r.name; }
};

class ParseChainRow : public parser_test::ParserTest,
                      public ::testing::WithParamInterface<ChainRow> {};

TEST_P(ParseChainRow, ReadsAsTypedOrRefuses) {
  const ChainRow& r = GetParam();
  PolynomT target;
  parser_test::FillUntouched(target);
  bool ok = false;
  Parser::ParseChain(r.text, target, ok);
  parser_test::ExpectReading(target, ok, r.expected);
  EXPECT_EQ(context.messages.size(), static_cast<std::size_t>(r.degreeMessages));
}

INSTANTIATE_TEST_SUITE_P(
    TypedTerms, ParseChainRow,
    ::testing::Values(
        ChainRow{"start_numerator", "(x-2)(x^2+x+1)(x^2-3)", Coefficients{6, 3, 1, -4, -1, 1}},
        ChainRow{"start_denominator", "(x+4)(x^2+1)^2", Coefficients{4, 1, 8, 2, 4, 1}},
        ChainRow{"products_rounded_through_term_texts", "(x+0.1)(x+0.2)(x-0.7)",
                 Coefficients{-0.014, -0.19, -0.4, 1}},
        ChainRow{"comma_and_blanks", "x^2 + 2,5x", Coefficients{0, 2.5, 1}},
        ChainRow{"other_letter_refused", "2 y + 1", kRefused},
        ChainRow{"empty_text", "", Coefficients{}}, ChainRow{"x_before_digit", "x2+1", kRefused},
        ChainRow{"rough_check_refusal", "exp(x)", kRefused},
        ChainRow{"bracket_closing_nothing", "(x+1))(", kRefused},
        ChainRow{"two_factors_and_a_sum", "2(x-1)(x+3)", Coefficients{-6, 4, 2}},
        ChainRow{"minus_before_product", "-(x+2)(x-2)", Coefficients{4, 0, -1}},
        ChainRow{"nested_brackets", "(x+1)((x+2)(x+3))", Coefficients{6, 11, 6, 1}},
        ChainRow{"twelfth_power", "(x+1)^12",
                 Coefficients{1, 12, 66, 220, 495, 792, 924, 792, 495, 220, 66, 12, 1}},
        ChainRow{"bracket_to_the_power_zero", "(x+1)^0", Coefficients{1}},
        ChainRow{"upper_case_x", "X^2-1", Coefficients{-1, 0, 1}},
        ChainRow{"plus_after_caret", "(x+1)x^+2", Coefficients{0, 0, 1, 1}},
        ChainRow{"caret_twice", "x^^2", Power(2)}),
    parser_test::RowName<ChainRow>);

INSTANTIATE_TEST_SUITE_P(
    MendedFaults, ParseChainRow,
    ::testing::Values(
        ChainRow{"open_brackets_closed", "((x+1)", Coefficients{1, 1}},
        ChainRow{"open_second_bracket_closed", "(x-2)(x+1", Coefficients{-2, -1, 1}},
        ChainRow{"star_factors_with_bracket", "3*x*(x+1)", Coefficients{0, 3, 3}},
        ChainRow{"star_before_and_after_bracket", "2*(x+1)*x^2", Coefficients{0, 0, 2, 2}},
        ChainRow{"four_star_factors", "2*x*3*x", Coefficients{0, 0, 6}},
        ChainRow{"star_before_negative_factor", "x*-1", Coefficients{0, -1}},
        ChainRow{"star_between_numbers", "2*-3", Coefficients{-6}},
        ChainRow{"star_in_a_sum", "1-2*x^2+x", Coefficients{1, 1, -2}},
        ChainRow{"star_with_signed_factors", "7-x*4.5*+8", Coefficients{7, -36}},
        ChainRow{"star_without_left_factor", "1+*x", kRefused},
        ChainRow{"double_minus_before_bracket", "--(x+1)", Coefficients{1, 1}},
        ChainRow{"double_minus_before_left_factor", "x--2(x+1)", Coefficients{2, 3}},
        ChainRow{"minus_plus_before_bracket", "-+(x-1)", Coefficients{1, -1}},
        ChainRow{"sign_before_closing_bracket", "(x-)-9", Coefficients{-9, 1}},
        ChainRow{"star_without_right_factor", "x*", kRefused},
        ChainRow{"whole_exponent_after_second_bracket", "(x+1)(x+2)^12",
                 Coefficients{4096, 28672, 92160, 180224, 239360, 228096, 160512, 84480, 33264,
                              9680, 2024, 288, 25, 1}},
        ChainRow{"refused_right_factor", "(x+1)x2", kRefused},
        ChainRow{"refused_content_of_product", "2(x3)", kRefused},
        ChainRow{"refused_base_of_power", "(x3)^2", kRefused},
        ChainRow{"refused_base_to_the_power_zero", "(x3)^0", kRefused},
        ChainRow{"caret_after_number", "2^3", kRefused},
        ChainRow{"caret_before_bracket", "2^(x+1)", kRefused},
        ChainRow{"caret_without_exponent", "(x+1)^", kRefused},
        ChainRow{"power_43", "x^43", kRefused}, ChainRow{"power_0", "x^0", kRefused},
        ChainRow{"leading_zero_in_power", "x^02", kRefused},
        ChainRow{"negative_exponent", "x^-2", kRefused},
        ChainRow{"fractional_exponent", "x^0.5", kRefused},
        ChainRow{"fractional_bracket_exponent", "(x+1)^1.5", kRefused},
        ChainRow{"power_43_multiplied_out", "(x^43)(x)", kRefused},
        ChainRow{"x_before_point", "x.5", kRefused},
        ChainRow{"number_with_two_points", "1.2.3x", kRefused},
        ChainRow{"sixty_letters_x", "x^30x^30", kRefused},
        ChainRow{"exponent_beyond_int32", "(x+1)^2147483648", kRefused},
        ChainRow{"constant_beyond_1000", "(2)^1001", kRefused},
        ChainRow{"constant_to_the_1000th", "(1)^1000", Coefficients{1}},
        ChainRow{"power_stops_at_zero", "(x+1)^5000", Coefficients{}, 1},
        ChainRow{"power_overflow_then_product", "(x^21)^2(x+1)", Coefficients{}, 1},
        ChainRow{"product_reaching_42", "(x^20)(x^22)", Coefficients{}, 1},
        ChainRow{"power_beyond_double_range", "(10)^400", kRefused},
        ChainRow{"literal_beyond_double_range", "1" + std::string(400, '0'), kRefused},
        ChainRow{"product_beyond_double_range",
                 "(1" + std::string(200, '0') + ")(1" + std::string(200, '0') + ")", kRefused},
        ChainRow{"pass_limit", std::string(1001, '(') + "x" + std::string(1001, ')'), kRefused},
        ChainRow{"deep_but_within_the_pass_limit",
                 std::string(900, '(') + "x" + std::string(900, ')'), Coefficients{0, 1}}),
    parser_test::RowName<ChainRow>);

using parser_test::Repeated;

INSTANTIATE_TEST_SUITE_P(
    HostileInput, ParseChainRow,
    ::testing::Values(
        ChainRow{"empty", "", Coefficients{}}, ChainRow{"only_blanks", "     ", Coefficients{}},
        ChainRow{"lone_opening_bracket_closed_empty", "(", kRefused},
        ChainRow{"lone_closing_bracket", ")", kRefused}, ChainRow{"empty_brackets", "()", kRefused},
        ChainRow{"caret_at_the_end", "x^", kRefused},
        ChainRow{"caret_at_the_start", "^2", kRefused},
        ChainRow{"double_minus", "--x", Coefficients{0, 1}},
        ChainRow{"triple_minus", "2---3", Coefficients{-1}},
        ChainRow{"highest_power", "x^42", Power(42)},
        ChainRow{"highest_power_times_constant", "2(x^42)", Coefficients{}, 1},
        ChainRow{"decimal_comma", "1,5x", Coefficients{0, 1.5}},
        ChainRow{"upper_case_x", "X^2", Power(2)}, ChainRow{"upper_case_e", "E", kRefused},
        ChainRow{"unicode",
                 "x\xc2\xb2 + \xe2\x88\x9a"
                 "2 \xf0\x9f\x98\x80",
                 kRefused},
        ChainRow{"control_characters", std::string("x\0+\t1\x7f\x1b", 7), kRefused},
        ChainRow{"invalid_utf8", "\xff\xfe(x\xc3)", kRefused},
        ChainRow{"long_sum", Repeated("x+", 10000), Coefficients{0, 5000}},
        ChainRow{"long_digit_run", std::string(10000, '1'), kRefused},
        ChainRow{"long_run_of_signs", Repeated("-", 10000) + "x", Coefficients{0, 1}},
        ChainRow{"long_run_of_x", std::string(10000, 'x'), kRefused},
        ChainRow{"long_run_of_opening_brackets", std::string(10000, '('), kRefused},
        ChainRow{"long_run_of_closing_brackets", std::string(10000, ')'), kRefused},
        ChainRow{"long_product_chain", Repeated("x*", 9998) + "x", kRefused, 1},
        ChainRow{"long_bracket_product", Repeated("(x+1)", 10000), kRefused, 1},
        ChainRow{"second_brackets_1000_deep", Repeated("(1)(", 4000) + "1", Coefficients{1}},
        ChainRow{"second_brackets_1001_deep", Repeated("(1)(", 4004) + "1", kRefused},
        ChainRow{"second_brackets_nested_in_100_kilobytes", Repeated("(1)(", 100000) + "1",
                 kRefused}),
    parser_test::RowName<ChainRow>);

// Terms typed the way school books and keyboards write them: dropping what the term language does
// not have would join the rest into another function, so each is refused.
INSTANTIATE_TEST_SUITE_P(
    ForeignNotation, ParseChainRow,
    ::testing::Values(ChainRow{"fraction_would_join_its_digits", "1/2x^2", kRefused},
                      ChainRow{"divisor_would_join_the_exponent", "x^2/4", kRefused},
                      ChainRow{"quotient_of_brackets_would_multiply", "(x^2+1)/(x-1)", kRefused},
                      ChainRow{"fraction_in_a_bracket", "(x-1/3)", kRefused},
                      ChainRow{"fraction_before_a_star", "1/4*x^2", kRefused},
                      ChainRow{"unicode_minus_would_join_the_exponent",
                               "x^2\xe2\x88\x92"
                               "1",
                               kRefused},
                      ChainRow{"unicode_minus_would_vanish", "2\xe2\x88\x92x", kRefused},
                      ChainRow{"en_dash_would_join_the_exponent",
                               "x^2\xe2\x80\x93"
                               "4",
                               kRefused},
                      ChainRow{"superscript_two_would_vanish", "x\xc2\xb2-1", kRefused},
                      ChainRow{"superscript_two_after_a_bracket", "(x+1)\xc2\xb2", kRefused},
                      ChainRow{"superscript_five_would_vanish", "2x\xe2\x81\xb5-1", kRefused},
                      ChainRow{"equation_would_join_the_zero", "x^2+2x+1=0", kRefused},
                      ChainRow{"function_name_would_be_a_factor", "f(x)=x^2", kRefused},
                      ChainRow{"parameter_would_vanish", "x^2+c", kRefused},
                      ChainRow{"times_sign_would_join_the_numbers",
                               "2\xc3\x97"
                               "3x",
                               kRefused},
                      ChainRow{"colon_would_join_the_numbers", "2:3x", kRefused},
                      ChainRow{"square_brackets_would_vanish", "[x+1][x-1]", kRefused},
                      ChainRow{"semicolon_would_join_the_exponent", "x^2;1", kRefused},
                      ChainRow{"blank_would_join_the_exponent", "x^2 2", kRefused},
                      ChainRow{"blank_would_join_the_bracket_exponent", "(x+1)^2 2", kRefused},
                      ChainRow{"blank_would_join_two_numbers", "2 3x", kRefused},
                      ChainRow{"blank_would_join_a_decimal_comma", "1 ,5x", kRefused},
                      ChainRow{"empty_bracket_would_make_f_zero", "x()", kRefused},
                      ChainRow{"empty_bracket_after_a_number", "2()", kRefused},
                      ChainRow{"empty_bracket_after_a_power", "(x+1)^2()", kRefused},
                      ChainRow{"empty_bracket_would_vanish_from_a_sum", "x^2-()", kRefused},
                      ChainRow{"bracket_of_only_a_sign", "x+(-)", kRefused},
                      ChainRow{"tab_is_a_blank", "x\t+1", Coefficients{1, 1}},
                      ChainRow{"tabs_around_the_term", "\tx+3\t", Coefficients{3, 1}},
                      ChainRow{"tab_would_join_two_numbers", "2\t3x", kRefused},
                      ChainRow{"tab_would_join_the_exponent", "x^2\t\t2", kRefused},
                      ChainRow{"blank_between_number_and_x", "2 x", Coefficients{0, 2}},
                      ChainRow{"blanks_around_the_caret", "x ^ 2", Power(2)},
                      ChainRow{"blanks_around_the_term", " x^2 ", Power(2)},
                      ChainRow{"blank_after_a_sign", "- 1 + 2x", Coefficients{-1, 2}},
                      ChainRow{"blank_before_a_factor_bracket", "(x+1) 2", Coefficients{2, 2}}),
    parser_test::RowName<ChainRow>);

// The evaluation run reads each field exactly beside the Doubles, from the same typed text.
TEST(ExactTerm, ReadsATabAsABlank) {
  const struct {
    const char* typed;
    const char* withBlanks;
  } rows[] = {{"x\t+3", "x +3"}, {"\t(x+1)^2\t-\t2x", " (x+1)^2 - 2x"}};
  for (const auto& r : rows) {
    const auto withTab = Parser::ExactTerm(r.typed);
    const auto withBlanks = Parser::ExactTerm(r.withBlanks);
    ASSERT_TRUE(withTab.has_value()) << r.withBlanks;
    ASSERT_TRUE(withBlanks.has_value()) << r.withBlanks;
    EXPECT_TRUE(*withTab == *withBlanks) << r.withBlanks;
  }
  EXPECT_FALSE(Parser::ExactTerm("2\t3x").has_value());
}

}  // namespace
