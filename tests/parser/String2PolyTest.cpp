#include "parser/String2Poly.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "ParserTestSupport.h"

namespace {

using parser_test::Coefficients;
using parser_test::kRefused;
using parser_test::Power;
using parser_test::Reading;

struct ReadRow {
  const char* name;
  std::string text;
  Reading expected;
  friend void PrintTo(const ReadRow& r, std::ostream* os) { *os << r.name; }
};

class String2PolyRead : public parser_test::ParserTest,
                        public ::testing::WithParamInterface<ReadRow> {};

TEST_P(String2PolyRead, ReadsOrRefuses) {
  PolynomT P;
  parser_test::FillUntouched(P);
  bool ok = false;
  Parser::String2Poly(P, GetParam().text, ok);
  parser_test::ExpectReading(P, ok, GetParam().expected);
}

const std::string k400Digits = "1" + std::string(400, '0');
const std::string k308Digits = "1" + std::string(308, '0');

INSTANTIATE_TEST_SUITE_P(
    BracketFreeTerms, String2PolyRead,
    ::testing::Values(
        ReadRow{"empty_text_is_zero", "", Coefficients{}}, ReadRow{"x", "x", Coefficients{0, 1}},
        ReadRow{"minus_x", "-x", Coefficients{0, -1}},
        ReadRow{"square_minus_one", "x^2-1", Coefficients{-1, 0, 1}},
        ReadRow{"decimal_coefficient", "1.5x", Coefficients{0, 1.5}},
        ReadRow{"worked_example_with_blanks", "2x^2 - x + 3", Coefficients{3, -1, 2}},
        ReadRow{"highest_power", "x^42", Power(42)},
        ReadRow{"one_digit_power_is_not_a_prefix", "x^4", Power(4)},
        ReadRow{"powers_side_by_side_add_up", "x^12x", Power(13)},
        ReadRow{"coefficient_before_powers", "3x^2x", Power(3, 3)},
        ReadRow{"power_produced_by_the_first_pass", "x^1^2", Power(2)},
        ReadRow{"explicit_product", "2*x", Coefficients{0, 2}},
        ReadRow{"plus_plus", "2++3", Coefficients{5}},
        ReadRow{"minus_minus", "2--3", Coefficients{5}},
        ReadRow{"plus_minus", "2+-3", Coefficients{-1}},
        ReadRow{"minus_plus", "2-+3", Coefficients{-1}},
        ReadRow{"three_minus", "2---3", Coefficients{-1}},
        ReadRow{"trailing_minus_reads_as_zero", "3-", Coefficients{3}},
        ReadRow{"plus_after_caret", "x^+2", Power(2)}, ReadRow{"caret_twice", "x^^2", Power(2)},
        ReadRow{"brackets_are_filtered_away", "(x+1)", Coefficients{1, 1}},
        ReadRow{"upper_case_x", "X^2+X", Coefficients{0, 1, 1}},
        ReadRow{"term_text_with_blanks", "- 1  + 2.5x  - x^3  ", Coefficients{-1, 2.5, 0, -1}},
        // Outside the term language the steps read what they read; the parse chain refuses these.
        ReadRow{"power_beyond_42_partly_rewritten", "x^43", Power(5)},
        ReadRow{"power_zero_left_as_it_is", "x^0", Power(3)},
        ReadRow{"caret_after_a_number_ignored", "2^3", Coefficients{2}},
        ReadRow{"x_before_digit", "2x3", kRefused}, ReadRow{"x_before_zero", "x0", kRefused},
        ReadRow{"upper_case_x_before_digit", "X2", kRefused},
        ReadRow{"digit_test_sees_the_text_before_blanks_drop", "x 2", Power(2)},
        ReadRow{"sixty_letters_x", "x^30x^30", kRefused},
        ReadRow{"forty_three_letters_x", "x^42x", kRefused},
        ReadRow{"literal_beyond_double_range", k400Digits + "x", kRefused},
        ReadRow{"sum_beyond_double_range", k308Digits + "+" + k308Digits, kRefused},
        ReadRow{"largest_literals_still_read", k308Digits, Coefficients{1e308}}),
    parser_test::RowName<ReadRow>);

using String2PolyState = parser_test::ParserTest;

TEST_F(String2PolyState, ResetsTheCounterAndSetsTheFlagItself) {
  context.wzaehler = 17;
  PolynomT P;
  bool ok = false;
  Parser::String2Poly(P, "x", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(context.wzaehler, 0);
}

TEST_F(String2PolyState, WhilekontrolleRefusesFromThe501stCall) {
  PolynomT P;
  bool ok = false;
  Parser::String2Poly(P, "", ok);
  for (int i = 0; i < 500; ++i) Parser::Whilekontrolle(ok);
  EXPECT_TRUE(ok);
  Parser::Whilekontrolle(ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(context.wzaehler, 501);
}

struct FilterRow {
  const char* name;
  std::string text;
  std::string kept;
  friend void PrintTo(const FilterRow& r, std::ostream* os) { *os << r.name; }
};

class FehlzeichenKillenRow : public ::testing::TestWithParam<FilterRow> {};

TEST_P(FehlzeichenKillenRow, KeepsTheTermCharacters) {
  EXPECT_EQ(Parser::FehlzeichenKillen(GetParam().text), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Filter, FehlzeichenKillenRow,
                         ::testing::Values(FilterRow{"blanks_letters_comma_slash_brackets",
                                                     "2 y + 1,5*x^2/(x)", "2+15*x^2x"},
                                           FilterRow{"upper_case_x_passes", "X^2", "X^2"},
                                           FilterRow{"control_and_unicode_bytes",
                                                     "x\t\xc2\xb2\n+\x7f"
                                                     "1",
                                                     "x+1"},
                                           FilterRow{"empty", "", ""}),
                         parser_test::RowName<FilterRow>);

struct ReduceRow {
  const char* name;
  std::string text;
  std::string sought;
  std::string replacement;
  std::string result;
  friend void PrintTo(const ReduceRow& r, std::ostream* os) { *os << r.name; }
};

class ZeichenReduzierenRow : public ::testing::TestWithParam<ReduceRow> {};

TEST_P(ZeichenReduzierenRow, ReplacesUntilGone) {
  const ReduceRow& r = GetParam();
  EXPECT_EQ(Parser::ZeichenReduzieren(r.text, r.sought, r.replacement), r.result);
}

INSTANTIATE_TEST_SUITE_P(
    Replacement, ZeichenReduzierenRow,
    ::testing::Values(ReduceRow{"run_collapses", "2+++3", "++", "+", "2+3"},
                      ReduceRow{"minus_pairs", "2---3", "--", "+", "2+-3"},
                      ReduceRow{"new_occurrence_left_of_the_last", "aaab", "ab", "b", "b"},
                      ReduceRow{"replacement_meets_the_next_sign", "x+-+-", "+-", "-", "x--"},
                      ReduceRow{"letter_case_ignored", "X^2+x^2", "x^2", "xx", "xx+xx"},
                      ReduceRow{"deletion", "2*x*3", "*", "", "2x3"},
                      ReduceRow{"absent", "x+1", "--", "+", "x+1"},
                      ReduceRow{"empty_sought_changes_nothing", "x", "", "y", "x"}),
    parser_test::RowName<ReduceRow>);

}  // namespace
