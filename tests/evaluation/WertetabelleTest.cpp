#include "evaluation/Wertetabelle.h"

#include <cmath>

#include "CoreTest.h"
#include "TestFunctions.h"
#include "algebra/TextSemantics.h"

namespace {

using WertetabelleTest = CoreTest;

TEST_F(WertetabelleTest, ColumnsHoldTheCriticalPointsAndTheValues) {
  RationalT f;
  Setze(f, {0, 0, 0, 1}, {1});
  SetzeRR(kontext, f);
  ZeroSet kp;
  kp.assign({-1, 2});
  Auswertung::Werte w{};
  EXPECT_EQ(Auswertung::FuelleWertTab(kp, kontext.RR, w), 2);
  EXPECT_EQ(w[0][1], -1);
  EXPECT_EQ(w[1][1], -1);
  EXPECT_EQ(w[2][1], 3);
  EXPECT_EQ(w[3][1], -6);
  EXPECT_EQ(w[0][2], 2);
  EXPECT_EQ(w[1][2], 8);
  EXPECT_EQ(w[0][3], 0) << "no third point";
}

TEST_F(WertetabelleTest, NeverMoreThanFiftyColumns) {
  RationalT f;
  Setze(f, {0, 1}, {1});
  SetzeRR(kontext, f);
  ZeroSet kp;
  for (int i = 1; i <= 60; ++i) kp.append(i);
  Auswertung::Werte w{};
  EXPECT_EQ(Auswertung::FuelleWertTab(kp, kontext.RR, w), 50);
  EXPECT_EQ(w[0][50], 50);
  EXPECT_EQ(w[1][50], 50);
}

TEST(ErgebnistextTest, RoundsToTheResultRounding) {
  struct Case {
    const char* why;
    int stellen;
    double wert;
    std::string text;
  };
  const Case cases[] = {
      {"whole numbers", 0, 2.6, "3"},        {"one decimal", 1, -1.7320508, "-1.7"},
      {"no trailing zeros", 3, 0.5, "0.5"},  {"seven decimals", 7, 1.23456789, "1.2345679"},
      {"negative zero is 0", 1, -0.01, "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Auswertung::Ergebnistext(c.stellen, c.wert), c.text) << c.why;
  EXPECT_EQ(text::Val(Auswertung::Ergebnistext(7, 1e305)), 1e305)
      << "too large to scale stays itself, never nan";
}

}  // namespace
