#include <QApplication>

#include "EvaluationWindow.h"
#include "algebra/TextSemantics.h"
#include "evaluation/InfoText.h"

namespace {

using BefehleTest = EvaluationWindow;

TEST_F(BefehleTest, NeuStartsWithAnEmptyNumeratorOverOne) {
  ShowActive();
  Druecke("QuitB112");
  EXPECT_EQ(Text("EingF"), "");
  EXPECT_EQ(Text("EingF2"), "1");
  EXPECT_EQ(Text("AusgF2"), "Alle reellen Zahlen sind Nullstellen der Nullfunktion");
  EXPECT_EQ(window().RRR.Term2string(), "0 / 1  ");
  EXPECT_EQ(QApplication::focusWidget(), &window().EingF());
}

TEST_F(BefehleTest, BeendenQuitsOnlyAfterTheConfirmation) {
  services.AnswerDialog(PressedButton::CancelButton);
  Druecke("QuitB");
  EXPECT_TRUE(services.quitCodes.empty());
  EXPECT_EQ(services.dialogs.back().Message,
            "Beim Beenden gehen alle nicht gespeicherten Funktionen verloren");

  services.AnswerDialog(PressedButton::ActionButton);
  Druecke("QuitB");
  EXPECT_EQ(services.quitCodes, std::vector<int>{0});
}

TEST_F(BefehleTest, InfoShowsTheDescription) {
  services.ExpectMsgBox();
  Druecke("QuitB11");
  ASSERT_EQ(services.msgBoxTexts.size(), 1u);
  EXPECT_EQ(services.msgBoxTexts[0], Auswertung::InfoText());
  EXPECT_EQ(services.msgBoxTexts[0].rfind("Varelto ", 0), 0u);
}

TEST_F(BefehleTest, ResultRoundingRerunsTheAnalysis) {
  struct Case {
    const char* why;
    const char* text;
    int stellen;
    const char* nullstellen;
    const char* x1;
    const char* zaehlerForm;
  };
  const Case cases[] = {
      {"item", "    2 Dezimalen", 2, "-1.73  ,  1.73  ,  2", "-1.73", "( x + 1.73) * ( x-1.73)"},
      {"item", "    3 Dezimalen", 3, "-1.732  ,  1.732  ,  2", "-1.732",
       "( x + 1.732) * ( x-1.732)"},
      {"item", "    4 Dezimalen", 4, "-1.7321  ,  1.7321  ,  2", "-1.7321",
       "( x + 1.7321) * ( x-1.7321)"},
      {"item", "    5 Dezimalen", 5, "-1.73205  ,  1.73205  ,  2", "-1.73205",
       "( x + 1.73205) * ( x-1.73205)"},
      {"item", "    6 Dezimalen", 6, "-1.732051  ,  1.732051  ,  2", "-1.732051",
       "( x + 1.732051) * ( x-1.732051)"},
      {"item", "   ganze Zahlen", 0, "-2  ,  2  ,  2", "-2", "( x + 2) * ( x-2)"},
      {"item", "    1 Dezimale", 1, "-1.7  ,  1.7  ,  2", "-1.7", "( x + 1.7) * ( x-1.7)"},
      {"typed above 7", "9", 7, "-1.7320508  ,  1.7320508  ,  2", "-1.7320508",
       "( x + 1.7320508) * ( x-1.7320508)"},
      {"typed below 0", "-4", 0, "-2  ,  2  ,  2", "-2", "( x + 2) * ( x-2)"},
  };
  for (const auto& c : cases) {
    WaehleRundung(c.text);
    EXPECT_EQ(window().Stellenzahl, c.stellen) << c.why << " " << c.text;
    EXPECT_EQ(Text("AusgF2"), c.nullstellen) << c.why << " " << c.text;
    EXPECT_EQ(Text("x1F"), c.x1) << c.why << " " << c.text;
    EXPECT_EQ(Text("AusgF1"), std::string("(1  + x  + x^2  ) * ") + c.zaehlerForm + " * ( x-2)")
        << c.why << " " << c.text;
    EXPECT_EQ(Text("IntegralF"), "") << c.text << ": no integral was computed yet";
  }
}

TEST_F(BefehleTest, TheSameRoundingAgainDoesNothing) {
  window().EingF().SetText("x**");
  WaehleRundung("    1 Dezimale");
  EXPECT_EQ(Text("EingF"), "x**") << "no evaluation run";
  EXPECT_EQ(window().RRR.Zl.grad(), 5);
}

TEST_F(BefehleTest, ReportDialogAnswers) {
  Analysiere("x^2-1", "x-1");
  const std::string report = window().Report;
  ASSERT_FALSE(report.empty());

  services.AnswerDialog(PressedButton::CancelButton);
  Druecke("KuerzReportB");
  const MessageDialog& d = services.dialogs.back();
  EXPECT_EQ(d.Icon, 1);
  EXPECT_EQ(d.Message, "Umgang mit dem Kürzreport");
  EXPECT_EQ(d.Explanation,
            "Bis zur Löschaufforderung werden alle Kürzvorgänge im Report protokolliert und "
            "können jederzeit angezeigt werden.");
  EXPECT_EQ(d.ActionButton.Caption, "Report anzeigen");
  EXPECT_EQ(d.AlternateActionButton.Caption, " Report löschen");
  EXPECT_TRUE(d.ActionButton.Visible && d.AlternateActionButton.Visible && d.CancelButton.Visible);
  EXPECT_EQ(window().Report, report) << "cancel changes nothing";
  EXPECT_TRUE(Sichtbar("KuerzReportB"));

  services.AnswerDialog(PressedButton::ActionButton);
  services.ExpectMsgBox();
  Druecke("KuerzReportB");
  EXPECT_EQ(services.msgBoxTexts.back(), report);
  EXPECT_TRUE(Sichtbar("KuerzReportB"));

  services.AnswerDialog(PressedButton::AlternateActionButton);
  Druecke("KuerzReportB");
  EXPECT_EQ(window().Report, "");
  EXPECT_FALSE(Sichtbar("KuerzReportB"));

  Analysiere("x^2-4", "x-2");
  EXPECT_TRUE(Sichtbar("KuerzReportB")) << "the next reduction shows it again";
  EXPECT_EQ(window().Report.find("(- 1  + x^2  )"), std::string::npos) << "only new entries";
}

}  // namespace
