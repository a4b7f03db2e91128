#include "CoreTest.h"
#include "TestFunctions.h"

namespace {

using PolynomTermTest = CoreTest;

struct TermCase {
  const char* why;
  std::initializer_list<double> koeff;
  const char* term;
};

TEST_F(PolynomTermTest, TermText) {
  const TermCase cases[] = {
      {"zero polynomial", {}, "0"},
      {"mixed signs", {3, -2, 1}, "3  - 2x  + x^2  "},
      {"negative constant first", {-1, 0, 1}, "- 1  + x^2  "},
      {"unit coefficient writes no magnitude", {0, -1}, "- x  "},
      {"constant one keeps its magnitude", {1}, "1  "},
      {"constant minus one keeps its magnitude", {-1}, "- 1  "},
      {"decimal", {0, 0, 0, 2.5}, "2.5x^3  "},
      {"shortest text", {102.4}, "102.4  "},
      {"fourteen decimals", {1.0 / 3.0}, "0.33333333333333  "},
      {"tiny coefficient below degree gets a term", {0, 5e-10, 1}, "0.0000000005x  + x^2  "},
      {"tiny coefficient above degree gets none", {1, 0, 0, 5e-10}, "1  "},
  };
  for (const auto& c : cases) {
    PolynomT p;
    Setze(p, c.koeff);
    EXPECT_EQ(p.Term2String(), c.term) << c.why;
  }
  PolynomT p;
  p.Koeff[42] = 1;
  EXPECT_EQ(p.Term2String(), "x^42  ");
}

TEST_F(PolynomTermTest, MagnitudeBelowTheMaskIsNeverEmpty) {
  // An empty magnitude would read back as 1: "+ x^3" would turn 1e-15 x^3 into x^3.
  PolynomT p;
  Setze(p, {1, 0, 0, 1e-15});
  p.Koeff[3] = 1e-15;
  p.Koeff[4] = 1;
  EXPECT_EQ(p.Term2String(), "1  + 0x^3  + x^4  ");
  kontext.Stellenzahl = 1;
  Setze(p, {0.01, 1});
  EXPECT_EQ(p.Term2String2(), "0  + x  ");
}

struct DisplayCase {
  const char* why;
  std::initializer_list<double> koeff;
  int stellen;
  const char* text;
};

TEST_F(PolynomTermTest, DisplayTermText) {
  const DisplayCase cases[] = {
      {"one decimal", {0, -1, 2.5}, 1, "- x  + 2.5x^2  "},
      {"whole numbers", {2.5, 1.4}, 0, "3  + 1x  "},
      {"three decimals", {0.125}, 3, "0.125  "},
      {"unit test uses the unrounded value", {0, 0.99999}, 2, "1x  "},
      {"six decimals", {-3.1415926535}, 6, "- 3.141593  "},
      {"rounding beyond seven is clamped", {1.123456789}, 12, "1.1234568  "},
      {"negative rounding is clamped", {1.6}, -4, "2  "},
      {"zero polynomial", {}, 3, "0"},
  };
  for (const auto& c : cases) {
    kontext.Stellenzahl = c.stellen;
    PolynomT p;
    Setze(p, c.koeff);
    EXPECT_EQ(p.Term2String2(), c.text) << c.why;
  }
}

TEST_F(PolynomTermTest, ZeigenShowsTheTermText) {
  PolynomT p;
  Setze(p, {0, 1});
  p.zeigen();
  ASSERT_EQ(kontext.messages.size(), 1u);
  EXPECT_EQ(kontext.messages[0], "x  ");
}

}  // namespace
