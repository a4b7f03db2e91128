#include "algebra/Zahlen.h"

#include <cmath>
#include <limits>

#include "CoreTest.h"

namespace {

using ZahlenTest = CoreTest;

TEST_F(ZahlenTest, TolerancesAreStrict) {
  EXPECT_TRUE(Zahl::IstNull(0));
  EXPECT_TRUE(Zahl::IstNull(-9.9e-10));
  EXPECT_FALSE(Zahl::IstNull(1e-9));
  EXPECT_FALSE(Zahl::IstNull(std::nan("")));
  EXPECT_FALSE(Zahl::SindVerschieden(0, 1e-7));
  EXPECT_TRUE(Zahl::SindVerschieden(0, 2e-7));
  EXPECT_TRUE(Zahl::SindVerschieden(2e-7, 0));
}

TEST_F(ZahlenTest, SnappingToWholeNumbers) {
  EXPECT_EQ(Zahl::Runden(2.0000000004), 2.0);
  EXPECT_EQ(Zahl::Runden(2.000000002), 2.000000002);
  double a = 0.99996;
  Zahl::RundnfAusg(a);
  EXPECT_EQ(a, 1.0);
  double b = 0.9999;
  Zahl::RundnfAusg(b);
  EXPECT_EQ(b, 0.9999);
}

TEST_F(ZahlenTest, Gerundet) {
  EXPECT_EQ(Zahl::Gerundet(2, 3.14159), 3.14);
  EXPECT_EQ(Zahl::Gerundet(3, -1.23456), -1.235);
  EXPECT_EQ(Zahl::Gerundet(0, 7.6), 8.0);
  // Where x * 10^n overflows the value stays as it is instead of becoming infinite.
  EXPECT_EQ(Zahl::Gerundet(10, 1e300), 1e300);
  EXPECT_EQ(Zahl::Gerundet(-400, 2.5), 2.5) << "10^-400 is 0 in Double";
  EXPECT_TRUE(std::isinf(Zahl::Gerundet(2, std::numeric_limits<double>::infinity())));
}

TEST_F(ZahlenTest, IstGanzzahligOnlyWithinInt32) {
  EXPECT_TRUE(Zahl::IstGanzzahlig(3.0000000005));
  EXPECT_FALSE(Zahl::IstGanzzahlig(2.9999999));
  EXPECT_FALSE(Zahl::IstGanzzahlig(3e9));
  EXPECT_TRUE(Zahl::IstGanzzahlig(-2147483648.0));
  EXPECT_FALSE(Zahl::IstGanzzahlig(std::nan("")));
}

TEST_F(ZahlenTest, GgT) {
  struct Case {
    std::int64_t a, b, expected;
  };
  const Case cases[] = {{12, -18, 6},
                        {0, -7, 7},
                        {1, 0, 1},
                        {0, 0, 999999999},
                        {538257874440, 2203961430, 6823410},
                        {std::numeric_limits<std::int64_t>::min(), 6, 2}};
  for (const auto& c : cases) EXPECT_EQ(Zahl::ggT(c.a, c.b), c.expected) << c.a << " " << c.b;
}

TEST_F(ZahlenTest, PowerAndLinearFactorTexts) {
  EXPECT_EQ(Zahl::xhoch(-3), "");
  EXPECT_EQ(Zahl::xhoch(0), "");
  EXPECT_EQ(Zahl::xhoch(1), "x");
  EXPECT_EQ(Zahl::xhoch(12), "x^12");
  kontext.Stellenzahl = 1;
  EXPECT_EQ(Zahl::Nulls2FakStr(2, 1), "( x-2)");
  EXPECT_EQ(Zahl::Nulls2FakStr(-2, 2), "( x + 2)^2");
  EXPECT_EQ(Zahl::Nulls2FakStr(0.04, 3), "x^3");
  EXPECT_EQ(Zahl::Nulls2FakStr(-0.04, 1), "x");
  EXPECT_EQ(Zahl::Nulls2FakStr(1.26, 0.5), "( x-1.3)");
}

TEST_F(ZahlenTest, ZahlFilterKeepsNumberCharacters) {
  struct Case {
    const char* typed;
    const char* cleaned;
  };
  const Case cases[] = {
      {"1,5 cm", "1.5"}, {" -2e3", "-23"}, {"+4", "4"}, {"", ""}, {"1.2.-3", "1.2.-3"}};
  for (const auto& c : cases) {
    std::string s = c.typed;
    Zahl::ZahlFilter(s);
    EXPECT_EQ(s, c.cleaned) << c.typed;
  }
}

TEST_F(ZahlenTest, NumberListTexts) {
  ZeroSet leer;
  EXPECT_EQ(Zahl::Zahlfeldausgabe(leer), "");
  ZeroSet punkte;
  punkte.assign({-1, 1.99998});
  EXPECT_EQ(Zahl::Zahlfeldausgabe(punkte), "-1  ,  2");
  EXPECT_EQ(punkte[2], 1.99998) << "the array itself stays unchanged";
  ZeroSet zwei;
  zwei.assign({1, 0.26});
  kontext.Stellenzahl = 1;
  EXPECT_EQ(Zahl::Zahlfeldausgabe2(zwei), "1  ,  0.3");
  ZeroSet einer;
  einer.assign({-0.0001});
  EXPECT_EQ(Zahl::Zahlfeldausgabe2(einer), "0") << "no negative zero in a text";
}

TEST_F(ZahlenTest, KikiShowsItsNumber) {
  Zahl::Kiki(7);
  ASSERT_EQ(kontext.messages.size(), 1u);
  EXPECT_EQ(kontext.messages[0], "Meldung 7");
}

}  // namespace
