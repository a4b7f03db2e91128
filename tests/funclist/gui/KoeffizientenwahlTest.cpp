#include <string>
#include <vector>

#include "FunktionslisteFenster.h"

namespace {

using Liste = std::vector<std::string>;

const std::string kNichtsAendern = "Nichts Ändern";
const std::string kNennerNull =
    "Durch dieses Runden würde der Nenner zum Nullpolynom; die Funktion bleibt unverändert.";

class Koeffizientenwahl : public FunktionslisteFenster {};

TEST_F(Koeffizientenwahl, RoundingOnlyWhenConfirmed) {
  struct Case {
    const char* why;
    std::string wahl;
    PressedButton antwort;
    std::string botschaft;
    std::string f;
  };
  const Case cases[] = {
      {"whole numbers confirmed", "   ganze Zahlen", PressedButton::ActionButton,
       "Alle Koeffizienten auf ganze Zahlen Runden", "(1  + 3x  ) / x  "},
      {"declined changes nothing", "   ganze Zahlen", PressedButton::AlternateActionButton,
       "Alle Koeffizienten auf ganze Zahlen Runden", "(1.26  + 2.7x  ) / (- 0.4  + x  )"},
      {"one decimal", "    1 Dezimale", PressedButton::ActionButton,
       "Runden der Koeffizienten auf eine Nachkommastelle", "(1.3  + 2.7x  ) / (- 0.4  + x  )"},
      {"a typed count beyond the items has no message", "9", PressedButton::ActionButton, "",
       "(1.26  + 2.7x  ) / (- 0.4  + x  )"},
  };
  for (const auto& c : cases) {
    Analysiere("2.7x+1.26", "x-0.4");
    services.AnswerDialog(c.antwort);
    Waehle("KoeffRundenWahlB", c.wahl);
    ASSERT_FALSE(services.dialogs.empty());
    const MessageDialog& d = services.dialogs.back();
    EXPECT_EQ(d.Message, c.botschaft) << c.why;
    EXPECT_EQ(d.Explanation,
              "Warnung: Durch Runden der Koeffizienten wird die Funktion verändert!");
    EXPECT_EQ(d.Icon, 1);
    EXPECT_EQ(d.ActionButton.Caption, "Koeffizienten der aktuellen Funktion Runden");
    EXPECT_FALSE(d.CancelButton.Visible);
    EXPECT_TRUE(d.AlternateActionButton.Visible);
    EXPECT_EQ(d.AlternateActionButton.Caption, " Nichts Ändern");
    EXPECT_EQ(window().RRR.Term2string(), c.f) << c.why;
    EXPECT_EQ(window().KoeffRundenWahlB().Text(), kNichtsAendern) << c.why;
  }
  EXPECT_EQ(services.dialogs.size(), 4u) << "setting the box back asks no second time";
}

TEST_F(Koeffizientenwahl, NichtInAnyCaseDoesNothing) {
  const std::string f = window().RRR.Term2string();
  for (const char* t : {"Nichts Ändern", "2 NICHT"}) {
    Waehle("KoeffRundenWahlB", t);
    EXPECT_EQ(window().KoeffRundenWahlB().Text(), t);
  }
  EXPECT_TRUE(services.dialogs.empty());
  EXPECT_EQ(window().RRR.Term2string(), f);
}

TEST_F(Koeffizientenwahl, AZeroDenominatorIsRefused) {
  Analysiere("x", "0.4");
  const std::string f = window().RRR.Term2string();
  const std::string felder = Termfelder();
  services.AnswerDialog(PressedButton::ActionButton);
  services.ExpectMsgBox();
  Waehle("KoeffRundenWahlB", "   ganze Zahlen");
  EXPECT_EQ(services.msgBoxTexts, Liste{kNennerNull});
  EXPECT_EQ(window().RRR.Term2string(), f);
  EXPECT_EQ(Termfelder(), felder);
  EXPECT_EQ(window().KoeffRundenWahlB().Text(), kNichtsAendern);
}

// The rounding writes and analyses the rounded decimals also where no Double changes: the
// typed 0.25000000000000000001 has the Double of 0.25.
TEST_F(Koeffizientenwahl, RoundingWhereNoDoubleChangesGivesTheRoundedFunction) {
  window().StellenWahlB().SetText("    6 Dezimalen");
  Analysiere("x^2-x+0.25000000000000000001", "1");
  ASSERT_EQ(window().AusgF2().Text(), "");
  services.AnswerDialog(PressedButton::ActionButton);
  Waehle("KoeffRundenWahlB", "    2 Dezimalen");
  EXPECT_EQ(Termfelder(), "0.25  - x  + x^2   | 1  ");
  EXPECT_EQ(window().AusgF1().Text(), " ( x-0.5)^2");
  EXPECT_EQ(window().AusgF2().Text(), "0.5");
}

}  // namespace
