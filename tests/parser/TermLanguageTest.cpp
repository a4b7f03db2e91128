#include "parser/TermLanguage.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "ParserTestSupport.h"

namespace {

struct LanguageRow {
  const char* name;
  std::string text;
  // No value: refused, and the text stays as it was.
  std::optional<std::string> accepted;
  friend void PrintTo(const LanguageRow& r, std::ostream* os) { *os << r.name; }
};

class NormalizeTermRow : public ::testing::TestWithParam<LanguageRow> {};

TEST_P(NormalizeTermRow, AcceptsOnlyTheTermLanguage) {
  const LanguageRow& r = GetParam();
  std::string s = r.text;
  bool ok = true;
  Parser::NormalizeTerm(s, ok);
  EXPECT_EQ(ok, r.accepted.has_value());
  EXPECT_EQ(s, r.accepted.value_or(r.text));
}

INSTANTIATE_TEST_SUITE_P(
    Powers, NormalizeTermRow,
    ::testing::Values(LanguageRow{"power_of_x", "x^2+3x^42-x^1", "x^2+3x^42-x^1"},
                      LanguageRow{"upper_case_x", "X^42", "X^42"},
                      LanguageRow{"power_of_bracket", "(x+1)^12(x)", "(x+1)^12(x)"},
                      LanguageRow{"bracket_to_the_power_zero", "(x+1)^0", "(x+1)^0"},
                      LanguageRow{"bracket_exponent_with_leading_zero", "(x+1)^02", "(x+1)^02"},
                      LanguageRow{"plus_after_caret", "x^+2", "x^2"},
                      LanguageRow{"caret_twice", "(x^^2)x", "(x^2)x"},
                      LanguageRow{"pluses_and_carets", "x^+^++2", "x^2"},
                      LanguageRow{"caret_after_number", "2^3", std::nullopt},
                      LanguageRow{"caret_at_the_start", "^2", std::nullopt},
                      LanguageRow{"caret_after_caret_exponent", "x^2^3", std::nullopt},
                      LanguageRow{"caret_without_exponent", "x^", std::nullopt},
                      LanguageRow{"caret_before_bracket", "(x)^(2)", std::nullopt},
                      LanguageRow{"negative_exponent", "x^-2", std::nullopt},
                      LanguageRow{"minus_after_plus_after_caret", "x^+-2", std::nullopt},
                      LanguageRow{"fractional_exponent", "x^0.5", std::nullopt},
                      LanguageRow{"fractional_bracket_exponent", "(x+1)^2.5", std::nullopt},
                      LanguageRow{"plus_before_bracket_exponent", "(x+1)^+2", std::nullopt},
                      LanguageRow{"power_43", "x^43", std::nullopt},
                      LanguageRow{"power_100", "x^100", std::nullopt},
                      LanguageRow{"power_0", "x^0", std::nullopt},
                      LanguageRow{"leading_zero", "x^02", std::nullopt},
                      LanguageRow{"power_43_before_bracket", "(x^43)(x)", std::nullopt}),
    parser_test::RowName<LanguageRow>);

INSTANTIATE_TEST_SUITE_P(Numbers, NormalizeTermRow,
                         ::testing::Values(LanguageRow{"decimals", "2.5x-.5+5.", "2.5x-.5+5."},
                                           LanguageRow{"empty", "", ""},
                                           LanguageRow{"x_before_point", "x.5", std::nullopt},
                                           LanguageRow{"two_points", "1.2.3", std::nullopt},
                                           LanguageRow{"lone_point", "x+.", std::nullopt},
                                           LanguageRow{"point_in_brackets", "(.)x", std::nullopt}),
                         parser_test::RowName<LanguageRow>);

INSTANTIATE_TEST_SUITE_P(
    Signs, NormalizeTermRow,
    ::testing::Values(LanguageRow{"double_minus_before_bracket", "--(x+1)", "+(x+1)"},
                      LanguageRow{"sign_run_before_left_factor", "x-+-2(x)", "x+2(x)"},
                      LanguageRow{"long_run", "2---+--3", "2-3"},
                      LanguageRow{"sign_before_closing_bracket", "(x-)-9", "(x)-9"},
                      LanguageRow{"only_a_sign_in_brackets", "(-)+x", std::nullopt},
                      LanguageRow{"empty_bracket", "x()", std::nullopt},
                      LanguageRow{"sign_at_the_end_stays", "3-", "3-"}),
    parser_test::RowName<LanguageRow>);

}  // namespace
