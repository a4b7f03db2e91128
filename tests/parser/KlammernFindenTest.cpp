#include "parser/KlammernFinden.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "ParserTestSupport.h"

namespace {

struct RewriteRow {
  const char* name;
  std::string text;
  std::string rewritten;
  bool ok;
  int degreeMessages = 0;
  friend void PrintTo(const RewriteRow& r, std::ostream* os) { *os << r.name; }
};

class KlammernFindenRewrite : public parser_test::ParserTest,
                              public ::testing::WithParamInterface<RewriteRow> {};

TEST_P(KlammernFindenRewrite, LeavesNoBracket) {
  const RewriteRow& r = GetParam();
  std::string s = r.text;
  bool ok = true;
  Parser::KlammernFinden(s, ok);
  EXPECT_EQ(s, r.rewritten);
  EXPECT_EQ(ok, r.ok);
  EXPECT_EQ(context.messages.size(), static_cast<std::size_t>(r.degreeMessages));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, KlammernFindenRewrite,
    ::testing::Values(
        RewriteRow{"no_bracket_comes_back_unfiltered", "x^2 - 1", "x^2 - 1", true},
        RewriteRow{"power_then_drop", "(x+1)^2", "1+2x+x^2", true},
        RewriteRow{"two_digit_exponent", "(x+1)^12",
                   "1+12x+66x^2+220x^3+495x^4+792x^5+924x^6+792x^7+495x^8+220x^9+66x^10+12x^11+"
                   "x^12",
                   true},
        RewriteRow{"power_then_right_factor", "(x+1)^2x", "x+2x^2+x^3", true},
        RewriteRow{"right_factor_up_to_the_sign", "(x+1)3x^2-1", "3x^2+3x^3-1", true},
        RewriteRow{"right_factor_with_power", "(x+1)x^2", "x^2+x^3", true},
        RewriteRow{"left_factor_then_second_bracket", "2(x-1)(x+3)", "+-6+4x+2x^2", true},
        RewriteRow{"left_factor_takes_its_minus", "3-2x(x+1)", "3+-2x-2x^2", true},
        RewriteRow{"left_factor_with_power", "x^2(x+1)", "+x^2+x^3", true},
        RewriteRow{"leading_minus", "-(x+2)(x-2)", "+4-x^2", true},
        RewriteRow{"minus_before_bracket", "x-(x+1)", "x+-1-x", true},
        RewriteRow{"power_then_product", "(x^2+1)^2(x-3)", "-3+x-6x^2+2x^3-3x^4+x^5", true},
        RewriteRow{"power_of_second_bracket", "(x+1)(x+2)^2", "4+8x+5x^2+x^3", true},
        RewriteRow{"whole_exponent_after_second_bracket", "(x+1)(x+2)^12",
                   "4096+28672x+92160x^2+180224x^3+239360x^4+228096x^5+160512x^6+84480x^7+"
                   "33264x^8+9680x^9+2024x^10+288x^11+25x^12+x^13",
                   true},
        RewriteRow{"nested_second_bracket", "(x+1)((x+2)(x+3))", "6+11x+6x^2+x^3", true},
        RewriteRow{"second_bracket_with_left_factor_inside", "(x+1)(2(x+3)+1)", "7+9x+2x^2", true},
        RewriteRow{"double_bracket", "((x+1))", "x+1", true},
        RewriteRow{"empty_bracket", "()", "", true},
        RewriteRow{"degree_overflow_gives_zero_with_message", "(x+1)^5000", "0", true, 1},
        RewriteRow{"product_reaching_42", "(x^20)(x^22)", "0", true, 1},
        RewriteRow{"no_rule_after_caret", "2^(x+1)", "2^(x+1)", true},
        RewriteRow{"pass_limit", "(x+1)(2^(x))", "(x+1)(2^(x))", false},
        RewriteRow{"bracket_never_closed_left_for_the_caller", "(x+1", "(x+1", true},
        RewriteRow{"second_bracket_never_closed", "(x)(x+1", "(x)(x+1", true},
        RewriteRow{"refused_right_factor", "(x+1)x2", "(0)", false},
        RewriteRow{"refused_content", "2(x3)", "+(0)", false},
        RewriteRow{"refused_base", "(x3)^2", "(0)", false},
        RewriteRow{"exponent_beyond_int32", "(x+1)^2147483648", "(x+1)^2147483648", false},
        RewriteRow{"exponent_beyond_int32_after_second_bracket", "(x)(x+1)^99999999999",
                   "(x)(x+1)^99999999999", false},
        RewriteRow{"constant_beyond_1000", "(2)^1001", "(0)", false},
        RewriteRow{"power_beyond_double_range", "(10)^400", "(0)", false},
        RewriteRow{"blanks_and_stars_dropped_between_passes", "( x + 1 ) ^ 2 * (x - 1)",
                   "-1-x+x^2+x^3", true},
        RewriteRow{"refusal_keeps_the_text_around_it", "x+x+x+(x+1)x2+x+x+x", "x+x+x+(0)+x+x+x",
                   false},
        RewriteRow{"pass_limit_leaves_the_last_product_as_written",
                   parser_test::Repeated("(1)", 3003), "(1  )", false},
        RewriteRow{"pass_limit_inside_a_second_bracket",
                   "(x)(" + parser_test::Repeated("(1)", 3003) + ")", "(x)((1  ))", false}),
    parser_test::RowName<RewriteRow>);

struct CloseRow {
  const char* name;
  std::string text;
  std::int32_t open;
  std::int32_t close;
  bool flat;
  friend void PrintTo(const CloseRow& r, std::ostream* os) { *os << r.name; }
};

class FindeKlammerschlussRow : public ::testing::TestWithParam<CloseRow> {};

TEST_P(FindeKlammerschlussRow, FindsTheClosingBracket) {
  const CloseRow& r = GetParam();
  std::int32_t e = 0;
  bool flat = false;
  Parser::FindeKlammerschluss(r.text, r.open, e, flat);
  EXPECT_EQ(e, r.close);
  EXPECT_EQ(flat, r.flat);
}

INSTANTIATE_TEST_SUITE_P(BracketEnd, FindeKlammerschlussRow,
                         ::testing::Values(CloseRow{"flat", "(x+1)(x+2)", 6, 10, true},
                                           CloseRow{"never_closed", "(x+1)(x+2", 6, 9, true},
                                           CloseRow{"nested", "(x+1)((x+2)(x+3))", 6, 17, false},
                                           CloseRow{"open_at_the_last_position", "(x)(", 4, 4,
                                                    true}),
                         parser_test::RowName<CloseRow>);

TEST(LeerzeichenKillen, KeepsTheRewritingCharacters) {
  EXPECT_EQ(Parser::LeerzeichenKillen("1  + 2x  + x^2  "), "1+2x+x^2");
  EXPECT_EQ(Parser::LeerzeichenKillen("2*x"), "2x");
  EXPECT_EQ(Parser::LeerzeichenKillen("(1,5X)"), "(15X)");
}

}  // namespace
