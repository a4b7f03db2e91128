#include <QApplication>
#include <string>
#include <vector>

#include "FunktionslisteFenster.h"

namespace {

using Liste = std::vector<std::string>;
using Funktionsliste::kNullfunktion;

const std::string kNullfunktionBleibt =
    "Die Nullfunktion ist dauerhafter Bestandteil der Funktionsliste und nicht zu entfernen";

class Listenaktionen : public FunktionslisteFenster {
 protected:
  void SetUp() override {
    FunktionslisteFenster::SetUp();
    // The focus is asked of a shown window; it starts elsewhere so that the move is seen.
    ShowActive();
    window().vonF().setFocus();
  }
  bool FokusImZaehler() { return QApplication::focusWidget() == &window().EingF(); }
};

TEST_F(Listenaktionen, ShowingListsEveryEntry) {
  window().RListe = {kNullfunktion, "x   / 1  "};
  services.ExpectMsgBox();
  Waehle("RinglisteB", "    Anzeigen");
  EXPECT_EQ(services.msgBoxTexts, Liste{"Verwendete Funktionsterme:\n\r0 / 1  \n\rx   / 1  \n\r"});
  EXPECT_EQ(window().RinglisteB().Text(), "Aktion wählen");
  EXPECT_TRUE(FokusImZaehler());
}

TEST_F(Listenaktionen, EmptyingOnlyWhenConfirmed) {
  struct Case {
    const char* why;
    PressedButton antwort;
    Liste nachher;
    std::int32_t zeiger;
  };
  const Case cases[] = {
      {"confirmed keeps only the zero function", PressedButton::ActionButton, {kNullfunktion}, 0},
      {"declined changes nothing", PressedButton::CancelButton, {kNullfunktion, "a", "b"}, 2},
  };
  for (const auto& c : cases) {
    window().RListe = {kNullfunktion, "a", "b"};
    window().PZeiger = 2;
    window().vonF().setFocus();
    services.AnswerDialog(c.antwort);
    Waehle("RinglisteB", "    Entleeren");
    EXPECT_EQ(services.dialogs.back().Message,
              "Alle Funktionen der aktuellen Liste werden gelöscht")
        << c.why;
    EXPECT_EQ(window().RListe, c.nachher) << c.why;
    EXPECT_EQ(window().PZeiger, c.zeiger) << c.why;
    EXPECT_EQ(window().RinglisteB().Text(), "Aktion wählen") << c.why;
    EXPECT_TRUE(FokusImZaehler()) << c.why;
  }
}

TEST_F(Listenaktionen, OtherTextsOnlyMoveTheFocus) {
  const Liste vorher = window().RListe;
  for (const char* t : {"Anzeigen", "    anzeigen ", "Aktion wählen"}) {
    window().vonF().setFocus();
    Waehle("RinglisteB", t);
    EXPECT_EQ(window().RinglisteB().Text(), t);
    EXPECT_TRUE(FokusImZaehler()) << t;
  }
  EXPECT_EQ(window().RListe, vorher);
}

TEST_F(Listenaktionen, FetchingWalksRoundTheList) {
  window().RListe = {kNullfunktion, "a", "b"};
  const std::string f = Termfelder();
  Liste gezeigt;
  for (int i = 0; i < 4; ++i) {
    Druecke("RNextB1");
    gezeigt.push_back(window().AnzeigeF().Text());
  }
  EXPECT_EQ(gezeigt, (Liste{"a", "b", kNullfunktion, "a"}));
  EXPECT_EQ(Termfelder(), f) << "fetching changes no function";
}

TEST_F(Listenaktionen, DeletingTheZeroFunctionIsRefused) {
  Analysiere("0", "1");
  const Liste vorher = window().RListe;
  services.ExpectMsgBox();
  Druecke("gfB1");
  EXPECT_EQ(services.msgBoxTexts, Liste{kNullfunktionBleibt});
  EXPECT_TRUE(services.dialogs.empty());
  EXPECT_EQ(window().RListe, vorher);
  EXPECT_EQ(Termfelder(), "0 | 1");
}

TEST_F(Listenaktionen, DeletingARecordedFunctionAsksFirst) {
  struct Case {
    const char* why;
    PressedButton antwort;
    bool entfernt;
  };
  const Case cases[] = {
      {"confirmed removes f's text", PressedButton::ActionButton, true},
      {"declined keeps it", PressedButton::CancelButton, false},
  };
  for (const auto& c : cases) {
    window().RListe = {kNullfunktion};
    Analysiere("x", "1");
    Analysiere("x^2", "x+1");
    // The fields are analysed first, so f is the edited function, recorded as the last entry.
    window().EingF().SetText("x^3");
    window().PZeiger = 3;
    services.AnswerDialog(c.antwort);
    Druecke("gfB1");
    EXPECT_EQ(services.dialogs.back().ActionButton.Caption, "Aktuelle Funktion löschen") << c.why;
    Liste nachher = {kNullfunktion, "x   / 1  ", "x^2   / (1  + x  )"};
    if (!c.entfernt) nachher.push_back("x^3   / (1  + x  )");
    EXPECT_EQ(window().RListe, nachher) << c.why;
    EXPECT_EQ(Termfelder(), "0 | 1") << c.why << ": f always becomes the zero function";
    EXPECT_EQ(window().RRR.Term2string(), kNullfunktion) << c.why;
    EXPECT_EQ(window().PZeiger, 3) << c.why;
    Druecke("RNextB1");
    EXPECT_EQ(window().AnzeigeF().Text(), kNullfunktion) << c.why << ": the cursor wraps";
  }
}

}  // namespace
