#include "EvaluationWindow.h"

namespace {

using ListBotschaftTest = EvaluationWindow;

TEST_F(ListBotschaftTest, FiveDialogsWithTheirTexts) {
  struct Case {
    int typ;
    const char* aktion;
    const char* botschaft;
    const char* erklaerung;
  };
  const Case cases[] = {
      {1, "Dennoch Speichern", "Speichern der aktuellen Funktionsliste",
       "Eine früher gespeicherte Liste mit gleichem Namen wird dadurch überschrieben"},
      {2, "Laden", "Durch das Laden  wird die aktuelle Funktionen nicht überschrieben",
       " Alle Funktionen der aktuellen Liste bleiben erhalten"},
      {3, "Liste löschen", "Alle Funktionen der aktuellen Liste werden gelöscht", ""},
      {6, "Aktuelle Funktion löschen",
       "Die aktuelle Funktion dauerhaft aus der Funktionsliste entfenen", ""},
      {7, "Beenden", "Beim Beenden gehen alle nicht gespeicherten Funktionen verloren", ""},
  };
  for (const auto& c : cases) {
    services.AnswerDialog(PressedButton::CancelButton);
    window().ListBotschaft(c.typ);
    const MessageDialog& d = services.dialogs.back();
    EXPECT_EQ(d.Icon, 1) << c.typ;
    EXPECT_EQ(d.ActionButton.Caption, c.aktion) << c.typ;
    EXPECT_TRUE(d.ActionButton.Visible) << c.typ;
    EXPECT_TRUE(d.CancelButton.Visible) << c.typ;
    EXPECT_EQ(d.CancelButton.Caption, "") << c.typ << ": the toolkit's own caption";
    EXPECT_FALSE(d.AlternateActionButton.Visible) << c.typ;
    EXPECT_EQ(d.Message, c.botschaft) << c.typ;
    EXPECT_EQ(d.Explanation, c.erklaerung) << c.typ;
  }
}

TEST_F(ListBotschaftTest, AnswersMapToOneMinusOneAndZero) {
  struct Case {
    PressedButton gedrueckt;
    int antwort;
  };
  const Case cases[] = {
      {PressedButton::ActionButton, 1},
      {PressedButton::AlternateActionButton, -1},
      {PressedButton::CancelButton, 0},
      {PressedButton::None, 0},
  };
  for (const auto& c : cases) {
    services.AnswerDialog(c.gedrueckt);
    EXPECT_EQ(window().ListBotschaft(3), c.antwort) << static_cast<int>(c.gedrueckt);
  }
}

TEST_F(ListBotschaftTest, StoreKeepsElementZeroAndNoDuplicates) {
  auto& w = window();
  const std::vector<std::string> vorher = w.RListe;
  EXPECT_TRUE(w.IstSchonImRing("0 / 1  "));
  EXPECT_FALSE(w.IstSchonImRing("0 / 1 "));
  w.fInRListeEinfuegen("0 / 1  ");
  w.fInRListeEinfuegen(vorher.back());
  EXPECT_EQ(w.RListe, vorher);
  w.fInRListeEinfuegen("0 / 1 ");
  w.fInRListeEinfuegen("");
  w.fInRListeEinfuegen("");
  ASSERT_EQ(w.RListe.size(), vorher.size() + 2);
  EXPECT_EQ(w.RListe[vorher.size()], "0 / 1 ") << "a trailing blank makes a new text";
  EXPECT_EQ(w.RListe.back(), "");
  EXPECT_EQ(w.RListe[0], "0 / 1  ");
}

}  // namespace
