#include "algebra/TextSemantics.h"

#include <clocale>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct StrCase {
  const char* why;
  double v;
  std::string expected;
};

TEST(TextSemantics, StrWritesFifteenDigitsWithoutExponent) {
  const StrCase cases[] = {
      {"whole number", 3.0, "3"},
      {"negative", -2.5, "-2.5"},
      {"negative zero", -0.0, "0"},
      {"binary noise beyond 15 digits", 0.1 + 0.2, "0.3"},
      {"root of two", 1.4142135623730951, "1.4142135623731"},
      {"large without exponent", 1e20, "100000000000000000000"},
      {"small without exponent", 1.5e-7, "0.00000015"},
      {"many digits rounded", 123456789.123456789, "123456789.123457"},
      {"rounding up carries", 999999.9999999999, "1000000"},
      {"largest double rounds beyond the range", 1.7976931348623157e308,
       "179769313486232" + std::string(294, '0')},
      {"smallest subnormal", 4.9406564584124654e-324,
       "0." + std::string(323, '0') + "494065645841247"},
      {"infinity", kInf, "inf"},
      {"minus infinity", -kInf, "-inf"},
      {"not a number", std::nan(""), "nan"},
  };
  for (const auto& c : cases) EXPECT_EQ(text::Str(c.v), c.expected) << c.why;
  EXPECT_EQ(text::Str(std::int32_t{-12}), "-12");
}

TEST(TextSemantics, StrRoundTripsThroughVal) {
  for (double v : {0.5, -1.25, 2.0 / 3.0, 1e15 + 1, 4896.0, 1e-10})
    EXPECT_NEAR(text::Val(text::Str(v)), v, std::abs(v) * 1e-14) << v;
}

struct FormatCase {
  const char* why;
  double v;
  const char* mask;
  const char* expected;
};

TEST(TextSemantics, FormatFollowsTheMask) {
  const FormatCase cases[] = {
      {"whole number mask rounds", 7.6, "#", "8"},
      {"half away from zero", 2.5, "#", "3"},
      {"one decimal", 0.26, "#.#", "0.3"},
      {"trailing zeros removed", 2.5, "#.###", "2.5"},
      {"trailing separator removed", 2.0, "#.##", "2"},
      {"leading zero", 0.125, "#.###", "0.125"},
      {"display mask agrees with rounding", 1.005, "#.##", "1"},
      {"term mask shortest", 102.4, "#.##############", "102.4"},
      {"term mask exact rounding", 1.0 / 3.0, "#.##############", "0.33333333333333"},
      {"term mask below resolution", 1e-15, "#.##############", "0"},
      {"term mask root", 1.4142135623730951, "#.##############", "1.4142135623731"},
      {"negative zero", -0.0001, "#.#", "0"},
      {"not finite", kInf, "#.#", "inf"},
  };
  for (const auto& c : cases) EXPECT_EQ(text::Format(c.v, c.mask), c.expected) << c.why;
}

struct ValCase {
  const char* why;
  const char* s;
  double expected;
};

TEST(TextSemantics, ValReadsTheLeadingNumber) {
  const ValCase cases[] = {
      {"plain", "42", 42},
      {"leading blanks and rest", "  -1.5x^2", -1.5},
      {"lone minus", "-", 0},
      {"empty", "", 0},
      {"no number", "x", 0},
      {"second point ends it", "1.2.3", 1.2},
      {"no exponent", "2e3", 2},
      {"no hex", "0x10", 0},
      {"no inf", "inf", 0},
      {"leading point", ".5", 0.5},
      {"trailing point", "5.", 5},
      {"plus is not a sign", "+4", 0},
      {"too small",
       "0.0000000000000000000000000000000000000000000000000000000000000000"
       "00000000000000000000000000000000000000000000000000000000000000000000"
       "00000000000000000000000000000000000000000000000000000000000000000000"
       "00000000000000000000000000000000000000000000000000000000000000000000"
       "00000000000000000000000000000000000000000000000000000000000000000001",
       0},
  };
  for (const auto& c : cases) EXPECT_EQ(text::Val(c.s), c.expected) << c.why;
  EXPECT_EQ(text::Val(std::string(400, '9')), kInf);
  EXPECT_EQ(text::Val("-" + std::string(400, '9')), -kInf);
  EXPECT_FALSE(std::signbit(text::Val("-0")));
}

// The text behind Val's number, which the shift reads exactly.
TEST(TextSemantics, ValTextIsTheNumberValReads) {
  const std::pair<const char*, const char*> cases[] = {
      {"  -1.5x^2", "-1.5"}, {"1.2.3", "1.2"}, {"-", "-"}, {"", ""},
      {"x", ""},             {"+4", ""},        {"5.", "5."}, {"0.123456789123456789", "0.123456789123456789"},
  };
  for (const auto& [s, expected] : cases) EXPECT_EQ(text::ValText(s), expected) << s;
}

TEST(TextSemantics, InStrOfOneCharacterIgnoresCaseOnlyForLetters) {
  EXPECT_EQ(text::InStr(3, "a^b^c", "^"), 4u);
  EXPECT_EQ(text::InStr("2X+1", "x"), 2u);
  EXPECT_EQ(text::InStr("2x+1", "X"), 2u);
  EXPECT_EQ(text::InStr("2x+1", "-"), 0u);
  EXPECT_EQ(text::InStr(6, "2x+1", "+"), 0u);
}

TEST(TextSemantics, IndependentOfTheCLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "de_DE");
  EXPECT_EQ(text::Str(2.5), "2.5");
  EXPECT_EQ(text::Format(0.125, "#.###"), "0.125");
  EXPECT_EQ(text::Val("1.5"), 1.5);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(TextSemantics, ConversionsSaturate) {
  EXPECT_EQ(text::ToInt32(2.5), 3);
  EXPECT_EQ(text::ToInt32(-2.5), -3);
  EXPECT_EQ(text::ToInt32(2.9999999999), 3);
  EXPECT_EQ(text::ToInt32(3e9), 2147483647);
  EXPECT_EQ(text::ToInt32(-3e9), -2147483647 - 1);
  EXPECT_EQ(text::ToInt32(std::nan("")), 0);
  EXPECT_EQ(text::ToInt64(1e19), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(text::ToInt64(-kInf), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(text::ToInt64(538257874440.0), 538257874440);
}

TEST(TextSemantics, StringFunctionsAreOneBased) {
  EXPECT_EQ(text::InStr("abcX^2", "x^"), 4u);
  EXPECT_EQ(text::InStr("abc", "d"), 0u);
  EXPECT_EQ(text::InStr(3, "x+x+x", "x"), 3u);
  EXPECT_EQ(text::InStr(7, "x+x", "x"), 0u);
  EXPECT_EQ(text::Left("hello", 0), "");
  EXPECT_EQ(text::Left("hello", 9), "hello");
  EXPECT_EQ(text::Right("hello", 2), "lo");
  EXPECT_EQ(text::Mid("hello", 2), "ello");
  EXPECT_EQ(text::Mid("hello", 6), "");
  EXPECT_EQ(text::Mid("hello", 2, 1), "e");
  EXPECT_EQ(text::Chr(94), "^");
}

TEST(TextSemantics, PlainTextIsValidUtf8WithoutControlCharacters) {
  using namespace std::string_literals;
  struct Case {
    const char* why;
    std::string s;
    bool plain;
  };
  const Case cases[] = {
      {"the empty text", "", true},
      {"a saved list", "$x   / (1  + x  )$3   / 1  \n", true},
      {"tabs and both line ends", "a\tb\r\nc\n\rd\r", true},
      {"two-, three- and four-byte characters", "Größe €\xF0\x9F\x99\x82", true},
      {"a byte order mark and the replacement character", "\xEF\xBB\xBF$\xEF\xBF\xBD", true},
      {"the highest code point", "\xF4\x8F\xBF\xBF", true},
      {"NUL", "$x\0y"s, false},
      {"another C0 control", "$x\x01", false},
      {"the form feed of the reduction report", "\fx\f", false},
      {"DEL", "x\x7F", false},
      {"a C1 control, U+0085", "x\xC2\x85", false},
      {"the first character after the C1 controls", "\xC2\xA0", true},
      {"a Latin-1 byte", "Ma\xDF", false},
      {"a lone continuation byte", "\x80", false},
      {"an overlong two-byte form of /", "\xC0\xAF", false},
      {"an overlong three-byte form", "\xE0\x80\xAF", false},
      {"an overlong four-byte form", "\xF0\x80\x80\xAF", false},
      {"a surrogate", "\xED\xA0\x80", false},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
      {"a lead byte of five", "\xF8\x88\x80\x80\x80", false},
      {"cut off at the end", "x\xE2\x82", false},
      {"a lead byte followed by ASCII", "\xE2x\xAC", false},
  };
  for (const auto& c : cases) EXPECT_EQ(text::IsPlainText(c.s), c.plain) << c.why;
}

}  // namespace
