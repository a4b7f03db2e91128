#include <QColor>

#include <string>
#include <vector>

#include "EvaluationWindow.h"
#include "algebra/TextSemantics.h"

namespace {

using AuswertungslaufTest = EvaluationWindow;

const QColor kRot(224, 80, 0);
const std::string kFF = text::Chr(12);
const std::string kStart =
    "(6  + 3x  + x^2  - 4x^3  - x^4  + x^5  ) / (4  + x  + 8x^2  + 2x^3  + 4x^4  + x^5  )";

TEST_F(AuswertungslaufTest, OpeningAnalysesTheStartFunction) {
  EXPECT_EQ(Text("EingF"), "6  + 3x  + x^2  - 4x^3  - x^4  + x^5  ");
  EXPECT_EQ(Text("EingF2"), "4  + x  + 8x^2  + 2x^3  + 4x^4  + x^5  ");
  EXPECT_EQ(Text("AusgF1"), "(1  + x  + x^2  ) * ( x + 1.7) * ( x-1.7) * ( x-2)");
  EXPECT_EQ(Text("AusgF1N"), "(1  + x^2  )^2 * ( x + 4)");
  EXPECT_EQ(Text("AusgF2"), "-1.7  ,  1.7  ,  2");
  EXPECT_EQ(Text("AusgF2N"), "-4");
  EXPECT_EQ(Text("AsyAusgF"), "1  ");
  EXPECT_TRUE(Sichtbar("AsyAusgF") && Sichtbar("AsyT"));
  EXPECT_TRUE(Aktiv("IntegralB"));

  EXPECT_EQ(window().KPAnzahl, 9) << "the inflection point at 2.9503 is among them";
  const char* xZeile[] = {"x1F", "x2F", "x3F", "x4F", "x5F", "x6F", "x7F", "x8F", "x9F"};
  const char* xWerte[] = {"-1.7", "-1.2", "-0.3", "0.1", "0.5", "1.7", "1.9", "2", "3"};
  for (int c = 0; c < 9; ++c) EXPECT_EQ(Text(xZeile[c]), xWerte[c]) << xZeile[c];
  EXPECT_EQ(Text("y11F"), "0");
  EXPECT_EQ(Text("y21F"), "0.8");
  EXPECT_EQ(Text("y31F"), "-0.6");
  EXPECT_FALSE(Aktiv("LPfeilB")) << "exactly nine points: no paging";
  EXPECT_FALSE(Aktiv("RPfeilB"));

  EXPECT_EQ(window().RListe, (std::vector<std::string>{"0 / 1  ", kStart}));
  EXPECT_LT(window().RRR.xmin, -4) << "the plot range of a new function";
  EXPECT_GT(window().RRR.xmax, 2);
}

// Two typed terms of which the field rot is refused.
struct TermsRefused {
  const char* why;
  const char* zaehler;
  const char* nenner;
  const char* rot;
  std::string Getippt() const { return std::string(rot) == "EingF" ? zaehler : nenner; }
};

TEST_F(AuswertungslaufTest, ARefusedTermLeavesFAndShowsNoStaleValues) {
  const TermsRefused cases[] = {
      {"numerator that cannot be read", "x**2", "x-1", "EingF"},
      {"denominator that cannot be read", "x^2", "x-1)", "EingF2"},
      {"zero denominator", "x^2", "0", "EingF2"},
  };
  for (const auto& c : cases) {
    window().xXF().SetText("1");
    Analysiere("x^2-4", "x+3");
    const std::string nullstellen = Text("AusgF2");
    ASSERT_EQ(window().KPAnzahl, 4) << c.why;
    ASSERT_EQ(Text("y1XF"), "-0.8") << c.why;
    const std::string f = window().RRR.Term2string();
    const std::size_t eintraege = window().RListe.size();

    window().EingF().SetText(c.zaehler);
    window().EingF2().SetText(c.nenner);
    EXPECT_FALSE(window().Funktionsauswertung()) << c.why;
    EXPECT_EQ(Text(c.rot), c.Getippt()) << c.why;
    EXPECT_EQ(control<TextField>(c.rot).TextColor(), kRot) << c.why;
    EXPECT_EQ(window().RRR.Term2string(), f) << c.why << ": f is not changed by half a function";
    EXPECT_EQ(window().KPAnzahl, 0) << c.why;
    EXPECT_EQ(Text("x1F"), "") << c.why;
    EXPECT_FALSE(Aktiv("LPfeilB") || Aktiv("RPfeilB")) << c.why;
    for (const char* feld : {"y1XF", "y2XF", "y3XF"})
      EXPECT_EQ(Text(feld), "") << c.why << ": the extra column shows nothing of f";
    EXPECT_EQ(Text("xXF"), "1") << c.why << ": the typed x stays";
    EXPECT_FALSE(Sichtbar("AsyAusgF")) << c.why;
    EXPECT_EQ(Text("AusgF2"), nullstellen) << c.why << ": the results of f stay";
    EXPECT_EQ(window().RListe.size(), eintraege) << c.why;

    Druecke("RPfeilB");
    EXPECT_EQ(Text("x1F"), "") << c.why << ": paging shows no zeros";
    control<TextField>(c.rot).SetText("x");
    EXPECT_EQ(control<TextField>(c.rot).TextColor(), QColor(0, 0, 0)) << c.why;
  }
}

// Terms in school-book or keyboard notation would be read as another function if the foreign
// characters were dropped; they are refused like any unreadable term, without a message.
TEST_F(AuswertungslaufTest, ATermInForeignNotationIsRefusedAndChangesNothing) {
  const TermsRefused cases[] = {
      {"a fraction would join its digits", "1/2x^2", "1", "EingF"},
      {"a quotient of brackets would multiply", "(x^2+1)/(x-1)", "1", "EingF"},
      {"a fraction in the denominator", "x-1", "1/4*x^2", "EingF2"},
      {"a superscript two would vanish", "x\u00b2-1", "1", "EingF"},
      {"an en dash would join the exponent", "x^2\u20134", "x+2", "EingF"},
      {"a parameter would vanish", "x^2+c", "1", "EingF"},
      {"a blank would join the exponent", "x^2 2", "1", "EingF"},
      {"an empty bracket would make f zero", "x()", "1", "EingF"},
      {"an empty bracket would vanish from the denominator", "x", "x^2-()", "EingF2"},
  };
  Analysiere("x^2-4", "x+3");
  const std::string f = window().RRR.Term2string();
  const std::vector<std::string> liste = window().RListe;
  const char* ausgaben[] = {"AusgF1", "AusgF1N", "AusgF2", "AusgF2N"};
  std::vector<std::string> ergebnisse;
  for (const char* feld : ausgaben) ergebnisse.push_back(Text(feld));

  for (const auto& c : cases) {
    window().EingF().SetText(c.zaehler);
    window().EingF2().SetText(c.nenner);
    Druecke("PushButton1");
    EXPECT_EQ(Text(c.rot), c.Getippt()) << c.why;
    EXPECT_EQ(control<TextField>(c.rot).TextColor(), kRot) << c.why;
    EXPECT_EQ(window().RRR.Term2string(), f) << c.why;
    for (std::size_t i = 0; i < ergebnisse.size(); ++i)
      EXPECT_EQ(Text(ausgaben[i]), ergebnisse[i]) << c.why << ": " << ausgaben[i];
    EXPECT_EQ(window().RListe, liste) << c.why;
  }
}

TEST_F(AuswertungslaufTest, CancellationWithARemovableGap) {
  Analysiere("x^2-1", "x-1");
  EXPECT_EQ(Text("EingF"), "1  + x  ");
  EXPECT_EQ(Text("EingF2"), "1  ");
  EXPECT_TRUE(Sichtbar("KuerzReportB"));
  EXPECT_EQ(window().Report,
            kFF + "Der Funktionsterm (- 1  + x^2  ) / (- 1  + x  ) wurde mit  - 1  + x   mit " +
                "Nullstelle(n) 1 gekürzt." + kFF +
                "Dadurch wurde die Funktion bei 1 stetig ergänzt.");
  const auto& liste = window().RListe;
  ASSERT_EQ(liste.size(), 4u);
  EXPECT_EQ(liste[2], "(- 1  + x^2  ) / (- 1  + x  )") << "f before the cancellation first";
  EXPECT_EQ(liste[3], "(1  + x  ) / 1  ");
  EXPECT_EQ(Text("AusgF2"), "-1");
  EXPECT_EQ(Text("AusgF2N"), "") << "the removable gap is no gap any more";
  EXPECT_FALSE(Sichtbar("AsyAusgF")) << "a constant denominator has no asymptote";
}

TEST_F(AuswertungslaufTest, AFieldLeftAsTheProgramWroteItKeepsItsExactTerm) {
  // 0.12345^3 has 15 decimals, one more than a term text keeps: read from its text, the triple
  // zero would split.
  WaehleRundung("    6 Dezimalen");
  Analysiere("(x-0.12345)^3(x+1)", "(x+1)(x-2)");
  const std::string zaehler = Text("EingF");
  EXPECT_EQ(Text("AusgF2"), "0.12345");
  window().EingF2().SetText("x-3");
  Druecke("PushButton1");
  EXPECT_EQ(Text("EingF"), zaehler);
  EXPECT_EQ(Text("AusgF2"), "0.12345");
  EXPECT_EQ(Text("AusgF1"), " ( x-0.12345)^3");
  EXPECT_EQ(Text("AusgF2N"), "3");
}

TEST_F(AuswertungslaufTest, ZeroAndConstantNumerators) {
  struct Case {
    const char* why;
    const char* zaehler;
    const char* nenner;
    std::string nullstellen, zaehlerForm, nennerForm, luecken, nennerFeld;
    bool asymptote;
  };
  const Case cases[] = {
      {"zero numerator", "0", "x^2+1", "Alle reellen Zahlen sind Nullstellen der Nullfunktion",
       "Alle Polynome sind Teiler des Nullpolynoms", "1", "", "1", false},
      {"constant numerator", "5", "x-2",
       "Die Funktion mit konstantem Zähler 5 hat keine Nullstellen", "5  ", " ( x-2)", "2",
       "- 2  + x  ", true},
  };
  for (const auto& c : cases) {
    const std::size_t eintraege = window().RListe.size();
    Analysiere(c.zaehler, c.nenner);
    EXPECT_EQ(Text("AusgF2"), c.nullstellen) << c.why;
    EXPECT_EQ(Text("AusgF1"), c.zaehlerForm) << c.why;
    EXPECT_EQ(Text("AusgF1N"), c.nennerForm) << c.why;
    EXPECT_EQ(Text("AusgF2N"), c.luecken) << c.why;
    EXPECT_EQ(Text("EingF2"), c.nennerFeld) << c.why;
    EXPECT_EQ(Sichtbar("AsyAusgF"), c.asymptote) << c.why;
    EXPECT_EQ(Sichtbar("AsyT"), c.asymptote) << c.why;
    if (c.asymptote) {
      EXPECT_EQ(Text("AsyAusgF"), "0") << c.why;
    } else {
      EXPECT_EQ(window().RListe.size(), eintraege) << c.why << ": 0 / 1 is listed already";
    }
  }
  EXPECT_EQ(window().KPAnzahl, 0);
  EXPECT_EQ(Text("x1F"), "") << "no critical points: a blank table";
  EXPECT_FALSE(Aktiv("LPfeilB") || Aktiv("RPfeilB")) << "and no paging";
}

TEST_F(AuswertungslaufTest, AZeroAtAGapIsNoZero) {
  Analysiere("x-1", "x-1");
  EXPECT_EQ(Text("AusgF2"), "");
  EXPECT_EQ(Text("AusgF2N"), "1");
  EXPECT_EQ(window().Report, "") << "two linear terms are not cancelled";
}

TEST_F(AuswertungslaufTest, DegreeSumAboveTwentyShowsTheMessageAndKeepsTheTypedTexts) {
  services.ExpectMsgBox();
  Analysiere("3", "3x^21+6");
  EXPECT_EQ(services.msgBoxTexts,
            std::vector<std::string>{"Die Gradsumme von Zähler und Nenner ist zu groß"});
  EXPECT_EQ(Text("EingF"), "3");
  EXPECT_EQ(Text("EingF2"), "3x^21+6");
  EXPECT_EQ(window().Report, "") << "the content 3 is not reduced";
  EXPECT_EQ(window().RRR.Zl.Koeff[0], 3);
  EXPECT_EQ(Text("AusgF2N"), "-1") << "analysed all the same";

  Analysiere("2x^10", "2x^10+2");
  EXPECT_EQ(Text("EingF"), "x^10  ") << "20 passes, reduced by 2";
  EXPECT_EQ(Text("EingF2"), "1  + x^10  ");
}

TEST_F(AuswertungslaufTest, EditingEitherFieldMarksFAsNew) {
  const std::string zaehler = Text("EingF");
  const std::string nenner = Text("EingF2");
  window().NeueFunktion = false;
  window().EingF().SetText("x");
  EXPECT_TRUE(window().NeueFunktion);
  EXPECT_EQ(Text("x1F"), "") << "typing blanks the table at once";
  EXPECT_FALSE(Sichtbar("AsyAusgF") || Sichtbar("AsyT"));
  window().EingF2().SetText(nenner + " ");
  window().EingF2().SetText(nenner);
  EXPECT_TRUE(window().NeueFunktion) << "the numerator still differs";
  window().EingF().SetText(zaehler);
  EXPECT_FALSE(window().NeueFunktion) << "both fields show the last analysed f again";
}

TEST_F(AuswertungslaufTest, AnUnchangedFunctionKeepsItsPlotRange) {
  window().NeueFunktion = false;
  window().RRR.xmin = -100;
  Druecke("PushButton1");
  EXPECT_EQ(window().RRR.xmin, -100);
  EXPECT_FALSE(window().NeueFunktion);

  Analysiere("x^2", "x-1");
  EXPECT_TRUE(window().NeueFunktion);
  EXPECT_NE(window().RRR.xmin, -100);
}

}  // namespace
