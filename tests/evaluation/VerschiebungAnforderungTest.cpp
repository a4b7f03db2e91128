#include "EvaluationWindow.h"

namespace {

class VerschiebungAnforderungTest : public EvaluationWindow {
 protected:
  void Verschiebe(const std::string& x, const std::string& y) {
    window().xVF().SetText(x);
    window().yVF().SetText(y);
    Druecke("VerschiebeB");
  }
};

TEST_F(VerschiebungAnforderungTest, ShiftsTheFunctionByTheVector) {
  struct Case {
    const char* why;
    const char* zaehler;
    const char* nenner;
    const char* x;
    const char* y;
    const char* xDanach;
    const char* zaehlerDanach;
    const char* nennerDanach;
  };
  const Case cases[] = {
      {"x^2 by (1;2)", "x^2", "1", "1", "2", "1", "3  - 2x  + x^2  ", "1  "},
      {"1/x by (2;0): the gap moves", "1", "x", "2", "0", "2", "1  ", "- 2  + x  "},
      {"1/x by (0;3): only the numerator", "1", "x", "", "3", "", "1  + 3x  ", "x  "},
      {"a decimal comma", "x", "1", "1,5", "", "1.5", "- 1.5  + x  ", "1  "},
  };
  for (const auto& c : cases) {
    Analysiere(c.zaehler, c.nenner);
    Verschiebe(c.x, c.y);
    EXPECT_EQ(Text("xVF"), c.xDanach) << c.why;
    EXPECT_EQ(Text("EingF"), c.zaehlerDanach) << c.why;
    EXPECT_EQ(Text("EingF2"), c.nennerDanach) << c.why;
    EXPECT_EQ(window().RRR.Zl.Term2String(), c.zaehlerDanach) << c.why << ": analysed";
    EXPECT_TRUE(window().GrafikHalten) << c.why;
    EXPECT_TRUE(window().NeueGrenzen) << c.why;
    EXPECT_EQ(Text("IntegralF"), "") << c.why;
    window().GrafikHalten = false;
  }
  Analysiere("1", "x");
  Verschiebe("2", "0");
  Verschiebe("2", "0");
  EXPECT_EQ(Text("EingF2"), "- 4  + x  ") << "pressed twice: shifted twice";
  EXPECT_EQ(Text("AusgF2N"), "4");
}

TEST_F(VerschiebungAnforderungTest, AZeroVectorChangesNothing) {
  const std::string f = window().RRR.Term2string();
  window().NeueGrenzen = false;
  Verschiebe("a", "");
  EXPECT_EQ(Text("xVF"), "");
  EXPECT_EQ(window().RRR.Term2string(), f);
  EXPECT_FALSE(window().GrafikHalten);
  EXPECT_FALSE(window().NeueGrenzen);
}

TEST_F(VerschiebungAnforderungTest, TooLargeCoefficientsAreRefused) {
  Analysiere("x^2", "1");
  services.ExpectMsgBox();
  Verschiebe("1" + std::string(200, '0'), "0");
  EXPECT_EQ(services.msgBoxTexts.back(),
            "Die Verschiebung ergibt zu große Koeffizienten; die Funktion bleibt unverändert.");
  EXPECT_EQ(Text("EingF"), "x^2  ");
  EXPECT_EQ(window().RRR.Zl.Term2String(), "x^2  ");
  EXPECT_FALSE(window().GrafikHalten);
}

TEST_F(VerschiebungAnforderungTest, ARefusedTermStopsTheShift) {
  window().EingF().SetText("x**2");
  const std::string f = window().RRR.Term2string();
  Verschiebe("1", "1");
  EXPECT_EQ(window().RRR.Term2string(), f);
  EXPECT_EQ(Text("EingF"), "x**2");
  EXPECT_FALSE(window().GrafikHalten);
}

}  // namespace
