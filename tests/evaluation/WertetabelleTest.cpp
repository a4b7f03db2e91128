#include "evaluation/Wertetabelle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "CoreTest.h"
#include "TestFunctions.h"
#include "algebra/TextSemantics.h"
#include "exact/Function.h"
#include "parser/ParseChain.h"
#include "roots/KritischePunkte.h"

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

// Where f carries its exact terms, the values are exact and 0 only at a point that the
// decomposition knows to be a zero of that derivative.
TEST_F(WertetabelleTest, ExactValuesAreZeroOnlyAtExactZeros) {
  struct Case {
    const char* why;
    const char* zaehler;
    const char* nenner;
    std::vector<std::array<double, 4>> spalten;
  };
  const Case cases[] = {
      {"a triple zero: f and f' vanish there, f'' at the zero of f'' only",
       "(x-2)^3",
       "1",
       {{2, 0, 0, 0}}},
      {"zeros 5e-8 beside the minimum at 0, which the 1e-7 rule merges away: f' is no 0 there",
       "400000000000000x^2-1",
       "1",
       {{5e-8, 0, 4e7, 8e14}}},
      {"a value beside a pole, exact", "1", "(x-1)^2", {}},
      {"x^3 - 3x over x^2 + 1", "x^3-3x", "x^2+1", {}},
  };
  for (const auto& c : cases) {
    RationalT f;
    const std::optional<exact::Polynomial> zaehler = Parser::ExactTerm(c.zaehler);
    const std::optional<exact::Polynomial> nenner = Parser::ExactTerm(c.nenner);
    ASSERT_TRUE(zaehler && nenner) << c.why;
    ASSERT_TRUE(zaehler->RoundInto(f.Zl) && nenner->RoundInto(f.Nn)) << c.why;
    f.exakt = std::make_shared<const exact::Function>(*zaehler, *nenner, f);
    SetzeRR(kontext, f);
    ZeroSet kp;
    Analyse::FindeKP(f, kp);
    Auswertung::Werte w{};
    const int n = Auswertung::FuelleWertTab(kp, kontext.RR, w);
    for (int s = 1; s <= n; ++s)
      for (int i = 0; i <= 2; ++i) {
        const std::optional<double> v = f.exakt->Value(i, w[0][s]);
        ASSERT_TRUE(v) << c.why;
        // Exact and rounded once, or 0 where it vanishes exactly at the true point.
        EXPECT_TRUE(w[i + 1][s] == *v || w[i + 1][s] == 0) << c.why << ", column " << s;
      }
    ASSERT_GE(n, static_cast<int>(c.spalten.size())) << c.why;
    for (std::size_t s = 0; s < c.spalten.size(); ++s)
      for (std::size_t r = 0; r < 4; ++r)
        // x lies within 1e-13 of the true point, which f' there multiplies by 8e14.
        EXPECT_NEAR(w[r][s + 1], c.spalten[s][r], std::max(std::abs(c.spalten[s][r]) * 1e-5, 1e-13))
            << c.why << ", row " << r;
  }
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
