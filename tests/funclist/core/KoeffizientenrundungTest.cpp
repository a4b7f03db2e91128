#include "funclist/core/Koeffizientenrundung.h"

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "TestFunctions.h"
#include "exact/Operations.h"
#include "exact/TermText.h"
#include "parser/ParseChain.h"

namespace {

class KoeffizientenrundungTest : public CoreTest {};

TEST_F(KoeffizientenrundungTest, DecimalsFromTheBoxText) {
  struct Case {
    const char* why;
    std::string t;
    std::optional<std::int32_t> n;
  };
  const Case cases[] = {
      {"the first item does nothing", "Nichts Ändern", std::nullopt},
      {"nicht in any letter case", "gar NICHT runden", std::nullopt},
      {"whole numbers", "   ganze Zahlen", 0},
      {"one decimal", "    1 Dezimale", 1},
      {"the last item", "    7 Dezimalen", 7},
      {"a typed count beyond the items", "9", 9},
      {"a typed count above 15 is clamped", "40", 15},
      {"a huge typed count is clamped", "99999999999999", 15},
      {"a negative count is clamped to 0", "-3", 0},
      {"an empty text is 0", "", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Koeffizientenrundung::Stellen(c.t), c.n) << c.why;
}

TEST_F(KoeffizientenrundungTest, WarningMessages) {
  struct Case {
    std::int32_t n;
    std::string botschaft;
  };
  const Case cases[] = {
      {0, "Alle Koeffizienten auf ganze Zahlen Runden"},
      {1, "Runden der Koeffizienten auf eine Nachkommastelle"},
      {2, "Runden der Koeffizienten auf 2 Dezimalen"},
      {4, "Runden der Koeffizienten auf 4 Dezimalen"},
      {7, "Runden der Koeffizienten auf 7 Dezimalen"},
      {8, ""},
      {15, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Koeffizientenrundung::Botschaft(c.n), c.botschaft) << c.n;
}

TEST_F(KoeffizientenrundungTest, RoundsNumeratorAndDenominator) {
  struct Case {
    const char* why;
    std::vector<double> zl, nn;
    std::int32_t n;
    bool angenommen;
    std::vector<double> zlNachher, nnNachher;
  };
  const Case cases[] = {
      {"whole numbers", {1.26, 2.7}, {-0.4, 1}, 0, true, {1, 3}, {0, 1}},
      {"two decimals", {0.125, -1.234}, {1, 0, 0.001}, 2, true, {0.13, -1.23}, {1}},
      {"the numerator may vanish", {0.3}, {0, 1}, 0, true, {}, {0, 1}},
      {"the denominator may not vanish", {1, 2}, {0.4, 0.3}, 0, false, {1, 2}, {0.4, 0.3}},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, c.zl, c.nn, 2);
    EXPECT_EQ(Koeffizientenrundung::Runden(f, c.n), c.angenommen) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Zl), c.zlNachher) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Nn), c.nnNachher) << c.why;
    EXPECT_EQ(f.Np, 2) << c.why << ": the exponent is never touched";
  }
}

// Where f carries exact terms, they are rounded, so that f afterwards is exactly the rounded
// decimals, also where no Double changes and where a Double lies below a half its decimal reaches.
TEST_F(KoeffizientenrundungTest, ExactTermsAreRoundedToTheirDecimals) {
  struct Case {
    const char* why;
    std::string zl, nn;
    std::int32_t n;
    std::string zlNachher, nnNachher;
    long zlTeiler = 1;
  };
  const Case cases[] = {
      {"no Double changes", "x^2-x+0.25000000000000000001", "1", 2, "0.25  - x  + x^2  ", "1  "},
      {"a half is rounded away from zero", "0.145x-0.145", "x+0.0049999", 2,
       "- 0.15  + 0.15x  ", "x  "},
      {"a third, as a cancellation leaves it", "2x", "1", 4, "0.6667x  ", "1  ", 3},
  };
  for (const auto& c : cases) {
    RationalT f;
    const auto zl = Parser::ExactTerm(c.zl);
    const auto nn = Parser::ExactTerm(c.nn);
    ASSERT_TRUE(zl && nn) << c.why;
    ASSERT_TRUE(exact::Assign(f, {zl->ExactQuotient(exact::Polynomial::Constant(c.zlTeiler)), *nn}))
        << c.why;
    ASSERT_TRUE(Koeffizientenrundung::Runden(f, c.n)) << c.why;
    const exact::Function* e = exact::ExactOf(f);
    ASSERT_NE(e, nullptr) << c.why << ": the rounded terms describe f";
    EXPECT_EQ(exact::TermText(e->Numerator()), c.zlNachher) << c.why;
    EXPECT_EQ(exact::TermText(e->Denominator()), c.nnNachher) << c.why;
  }
}

}  // namespace
