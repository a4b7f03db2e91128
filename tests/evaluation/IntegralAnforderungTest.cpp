#include "EvaluationWindow.h"

namespace {

class IntegralAnforderungTest : public EvaluationWindow {
 protected:
  void Integriere(const std::string& von, const std::string& bis) {
    window().vonF().SetText(von);
    window().bisF().SetText(bis);
    Druecke("IntegralB");
  }
};

TEST_F(IntegralAnforderungTest, IntegralOverTheTypedInterval) {
  struct Case {
    const char* why;
    const char* zaehler;
    const char* nenner;
    const char* von;
    const char* bis;
    const char* rundung;
    const char* von2;
    const char* bis2;
    const char* ergebnis;
  };
  const Case cases[] = {
      {"f = 1 over [0; 1]", "1", "1", "0", "1", "    1 Dezimale", "0", "1", "1"},
      {"100001 samples at full weight", "1", "1", "0", "1", "    5 Dezimalen", "0", "1", "1.00001"},
      {"a > b", "1", "1", "1", "0", "    5 Dezimalen", "1", "0", "-1.00001"},
      {"a decimal comma and letters are cleaned", "x", "1", "x0,5", "1,5", "    1 Dezimale", "0.5",
       "1.5", "1"},
      {"a gap outside the interval", "1", "x", "1", "2", "    3 Dezimalen", "1", "2", "0.693"},
      {"a bound without a number is 0", "1", "1", "-", "2", "    1 Dezimale", "0", "2", "2"},
  };
  for (const auto& c : cases) {
    WaehleRundung(c.rundung);
    Analysiere(c.zaehler, c.nenner);
    Integriere(c.von, c.bis);
    EXPECT_EQ(Text("vonF"), c.von2) << c.why;
    EXPECT_EQ(Text("bisF"), c.bis2) << c.why;
    EXPECT_EQ(Text("IntegralF"), c.ergebnis) << c.why;
    EXPECT_FALSE(window().NeueGrenzen) << c.why;
  }
}

TEST_F(IntegralAnforderungTest, AGapInTheIntervalIsRefused) {
  struct Case {
    const char* why;
    const char* nenner;
    const char* von;
    const char* bis;
    const char* meldung;
  };
  const Case cases[] = {
      {"1/x over [-1; 1]", "x", "-1", "1",
       "Im Integrationsintervall [-1;1] liegt die Definitionslücke 0"},
      {"a gap at an end", "x", "0", "1",
       "Im Integrationsintervall [0;1] liegt die Definitionslücke 0"},
      {"the larger of two gaps", "(x+4)(x-2)", "-5", "5",
       "Im Integrationsintervall [-5;5] liegt die Definitionslücke 2"},
  };
  for (const auto& c : cases) {
    Analysiere("1", c.nenner);
    services.ExpectMsgBox();
    Integriere(c.von, c.bis);
    EXPECT_EQ(services.msgBoxTexts.back(), c.meldung) << c.why;
    EXPECT_EQ(Text("IntegralF"), "") << c.why;
    EXPECT_FALSE(window().NeueGrenzen) << c.why;
  }
}

TEST_F(IntegralAnforderungTest, OneEmptyBoundDoesNothing) {
  Integriere("1", "");
  EXPECT_EQ(Text("vonF"), "1") << "not cleaned: no request";
  EXPECT_TRUE(window().NeueGrenzen);
  EXPECT_EQ(Text("IntegralF"), "");
}

TEST_F(IntegralAnforderungTest, NeverShowsTheIntegralOfAnotherFunctionOrInterval) {
  Analysiere("1", "1");
  Integriere("0", "1");
  ASSERT_EQ(Text("IntegralF"), "1");

  Analysiere("2", "1");
  window().NeueFunktion = false;  // as after the drawing that adopted the new plot range
  Druecke("IntegralB");
  EXPECT_EQ(Text("IntegralF"), "2") << "f changed: integrated again";

  window().EingF().SetText("3");
  Druecke("IntegralB");
  EXPECT_EQ(Text("IntegralF"), "3") << "an edited term field is analysed first";

  window().Integral = 99;
  Druecke("IntegralB");
  EXPECT_EQ(Text("IntegralF"), "99") << "nothing changed: the stored value, not a new sum";

  Analysiere("4", "1");
  WaehleRundung("    2 Dezimalen");
  EXPECT_EQ(Text("IntegralF"), "") << "a rounding change shows no integral of the previous f";

  Druecke("IntegralB");
  ASSERT_EQ(Text("IntegralF"), "4");
  WaehleRundung("    5 Dezimalen");
  EXPECT_EQ(Text("IntegralF"), "4.00004") << "a valid stored value is rounded anew";

  window().bisF().SetText("2");
  WaehleRundung("    1 Dezimale");
  EXPECT_EQ(Text("IntegralF"), "") << "the bounds changed";
}

TEST_F(IntegralAnforderungTest, AfterAGapNothingStaleIsShown) {
  Analysiere("1", "x");
  Integriere("1", "2");
  ASSERT_EQ(Text("IntegralF"), "0.7");
  window().vonF().SetText("-1");
  services.ExpectMsgBox();
  Druecke("IntegralB");
  WaehleRundung("    2 Dezimalen");
  EXPECT_EQ(Text("IntegralF"), "");
  window().vonF().SetText("1");
  WaehleRundung("    3 Dezimalen");
  EXPECT_EQ(Text("IntegralF"), "") << "the refusal dropped the stored value";
}

TEST_F(IntegralAnforderungTest, ARefusedRunStopsTheRequest) {
  Analysiere("1", "1");
  Integriere("0", "1");
  window().EingF().SetText("x**2");
  Druecke("IntegralB");
  EXPECT_EQ(Text("IntegralF"), "");
  EXPECT_EQ(Text("vonF"), "0");

  WaehleRundung("    2 Dezimalen");
  EXPECT_EQ(Text("IntegralF"), "") << "the rounding box's request stops as well";
}

}  // namespace
