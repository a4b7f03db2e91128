#include "EvaluationWindow.h"

namespace {

using WertetabelleAnzeigeTest = EvaluationWindow;

const char* const kXZeile[] = {"x1F", "x2F", "x3F", "x4F", "x5F", "x6F", "x7F", "x8F", "x9F"};

TEST_F(WertetabelleAnzeigeTest, PagingThroughTwelvePoints) {
  Analysiere("(x+1)x(x-1)(x-2)(x-4)", "1");
  ASSERT_EQ(window().KPAnzahl, 12);
  std::vector<std::string> alle;
  for (int s = 1; s <= 12; ++s) alle.push_back(Text(s <= 9 ? kXZeile[s - 1] : "x9F"));
  EXPECT_FALSE(Aktiv("LPfeilB"));
  EXPECT_TRUE(Aktiv("RPfeilB"));

  for (int schritt = 1; schritt <= 3; ++schritt) {
    Druecke("RPfeilB");
    alle[8 + schritt] = Text("x9F");
  }
  EXPECT_EQ(window().links, 4);
  EXPECT_EQ(window().rechts, 12);
  EXPECT_TRUE(Aktiv("LPfeilB"));
  EXPECT_FALSE(Aktiv("RPfeilB"));
  for (int c = 0; c < 9; ++c) EXPECT_EQ(Text(kXZeile[c]), alle[c + 3]) << kXZeile[c];
  Druecke("RPfeilB");
  EXPECT_EQ(window().rechts, 12) << "no column beyond the last";

  for (int schritt = 1; schritt <= 3; ++schritt) Druecke("LPfeilB");
  EXPECT_EQ(window().links, 1);
  EXPECT_FALSE(Aktiv("LPfeilB"));
  EXPECT_TRUE(Aktiv("RPfeilB"));
  for (int c = 0; c < 9; ++c) EXPECT_EQ(Text(kXZeile[c]), alle[c]) << kXZeile[c];
  for (int s = 1; s < 12; ++s)
    EXPECT_LT(window().WertTab[0][s], window().WertTab[0][s + 1]) << "ascending, column " << s;
}

TEST_F(WertetabelleAnzeigeTest, FewerPointsAfterMoreLeaveTheRestBlank) {
  Analysiere("(x+1)x(x-1)(x-2)(x-4)", "1");
  Analysiere("x^2-1", "1");
  ASSERT_EQ(window().KPAnzahl, 3);
  EXPECT_EQ(Text("x3F"), "1");
  EXPECT_EQ(Text("x4F"), "");
  EXPECT_EQ(Text("y39F"), "");
  EXPECT_FALSE(Aktiv("LPfeilB") || Aktiv("RPfeilB"));
}

TEST_F(WertetabelleAnzeigeTest, NeverMoreThanFiftyColumns) {
  Analysiere("(x^2-1)(x^2-4)(x^2-9)(x^2-16)(x^2-25)(x^2-36)(x^2-49)(x^2-64)(x^2-81)(x^2-100)", "1");
  ASSERT_GT(window().KPMenge.count(), 50);
  EXPECT_EQ(window().KPAnzahl, 50);
  EXPECT_EQ(window().WertTab[0][50], window().KPMenge[50]);
  for (int schritt = 0; schritt < 60; ++schritt) Druecke("RPfeilB");
  EXPECT_EQ(window().rechts, 50);
  EXPECT_EQ(window().links, 42);
}

TEST_F(WertetabelleAnzeigeTest, ExtraXColumn) {
  Analysiere("x^2", "1");
  window().xXF().SetText("2,5");
  EXPECT_EQ(Text("y1XF"), "");
  Druecke("PushButton1");
  EXPECT_EQ(Text("xXF"), "2") << "the comma ends the number";
  EXPECT_EQ(Text("y1XF"), "4");
  EXPECT_EQ(Text("y2XF"), "4");
  EXPECT_EQ(Text("y3XF"), "2");

  window().xXF().SetText("  1.5");
  EXPECT_EQ(Text("y1XF"), "") << "typing blanks the values at once";
  EXPECT_EQ(Text("y2XF"), "");
  EXPECT_EQ(Text("y3XF"), "");
  Druecke("PushButton1");
  EXPECT_EQ(Text("xXF"), "1.5");
  EXPECT_EQ(Text("y1XF"), "2.3") << "2.25 at one decimal";

  window().xXF().SetText("abc");
  Druecke("PushButton1");
  EXPECT_EQ(Text("xXF"), "0");
  EXPECT_EQ(Text("y1XF"), "0");

  window().xXF().SetText("");
  Analysiere("x^3", "1");
  EXPECT_EQ(Text("xXF"), "");
  EXPECT_EQ(Text("y1XF"), "") << "an empty x leaves the column untouched";
}

}  // namespace
