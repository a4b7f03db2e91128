#include <functional>
#include <iterator>
#include <string>

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

TEST_F(IntegralAnforderungTest, AnIntegralBeyondDoubleIsRefusedWithAMessage) {
  struct Case {
    const char* why;
    const char* zaehler;
    const char* nenner;
    std::string von, bis;
    std::string intervall;
  };
  const std::string neunen(308, '9');
  const std::string zehnHoch308 = "1" + std::string(308, '0');
  const Case cases[] = {
      {"bounds so far apart that the step is infinite", "1", "1", "-" + neunen, neunen,
       "[-" + zehnHoch308 + ";" + zehnHoch308 + "]"},
      {"a sum that overflows", "x^2", "1", "0", "1" + std::string(200, '0'),
       "[0;1" + std::string(200, '0') + "]"},
      {"a sum of finite samples that overflows", "x^20", "1", "0", "1000000000000000",
       "[0;1000000000000000]"},
      {"a sample beyond the range", "x^20", "1", "0", "10000000000000000", "[0;10000000000000000]"},
      {"a sample that is not a number", "x^10", "x^10+1", "0", "1" + std::string(31, '0'),
       "[0;1" + std::string(31, '0') + "]"},
  };
  for (const auto& c : cases) {
    Analysiere("1", "1");
    Integriere("0", "1");
    ASSERT_EQ(Text("IntegralF"), "1") << c.why;
    Analysiere(c.zaehler, c.nenner);
    services.ExpectMsgBox();
    Integriere(c.von, c.bis);
    services.VerifyAllAsked();
    ASSERT_FALSE(services.msgBoxTexts.empty()) << c.why;
    EXPECT_EQ(services.msgBoxTexts.back(),
              "Das Integral über " + c.intervall +
                  " liegt außerhalb des Zahlenbereichs, den das Programm berechnen kann.")
        << c.why;
    EXPECT_EQ(Text("IntegralF"), "") << c.why;
    EXPECT_FALSE(window().NeueGrenzen) << c.why;
    WaehleRundung("    2 Dezimalen");
    EXPECT_EQ(Text("IntegralF"), "") << c.why << ": nor after a new rounding";
    WaehleRundung("    1 Dezimale");
  }
  EXPECT_EQ(services.msgBoxTexts.size(), std::size(cases)) << "one message per refusal, no more";
}

TEST_F(IntegralAnforderungTest, OneEmptyBoundDoesNothing) {
  Integriere("1", "");
  EXPECT_EQ(Text("vonF"), "1") << "not cleaned: no request";
  EXPECT_TRUE(window().NeueGrenzen);
  EXPECT_EQ(Text("IntegralF"), "");
}

// Each step continues from the one before, starting from 1 integrated over [0; 1].
TEST_F(IntegralAnforderungTest, NeverShowsTheIntegralOfAnotherFunctionOrInterval) {
  struct Step {
    const char* why;
    std::function<void()> schritt;
    const char* ergebnis;
  };
  const Step steps[] = {
      {"f changed: integrated again",
       [&] {
         Analysiere("2", "1");
         window().NeueFunktion = false;  // as after the drawing that adopted the new plot range
         Druecke("IntegralB");
       },
       "2"},
      {"an edited term field is analysed first",
       [&] {
         window().EingF().SetText("3");
         Druecke("IntegralB");
       },
       "3"},
      {"an edit that a repaint followed is analysed first",
       [&] {
         window().EingF().SetText("5");
         window().GraphCanvas().grab();
         ASSERT_FALSE(window().NeueFunktion) << "the drawing adopted the plot range";
         Druecke("IntegralB");
       },
       "5"},
      {"nothing changed: the stored value, not a new sum",
       [&] {
         window().Integral = 99;
         Druecke("IntegralB");
       },
       "99"},
      {"a rounding change shows no integral of the previous f",
       [&] {
         Analysiere("4", "1");
         WaehleRundung("    2 Dezimalen");
       },
       ""},
      {"the request after the rounding change", [&] { Druecke("IntegralB"); }, "4"},
      {"a valid stored value is rounded anew", [&] { WaehleRundung("    5 Dezimalen"); },
       "4.00004"},
      {"the bounds changed",
       [&] {
         window().bisF().SetText("2");
         WaehleRundung("    1 Dezimale");
       },
       ""},
  };
  Analysiere("1", "1");
  Integriere("0", "1");
  ASSERT_EQ(Text("IntegralF"), "1");
  for (const auto& step : steps) {
    step.schritt();
    EXPECT_EQ(Text("IntegralF"), step.ergebnis) << step.why;
  }
}

TEST_F(IntegralAnforderungTest, AnAnalysedFunctionIsNotAnalysedAgainAfterADrawing) {
  // Its term fields keep the typed texts, which differ from f's term texts; only an edit may make
  // the request analyse again and repeat the degree-sum message.
  services.ExpectMsgBox();
  Analysiere("1", "x^21+1");
  window().GraphCanvas().grab();
  ASSERT_FALSE(window().NeueFunktion);
  Integriere("0", "1");
  Integriere("0", "2");
  EXPECT_EQ(services.msgBoxTexts.size(), 1u);
  EXPECT_FALSE(Text("IntegralF").empty());
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
