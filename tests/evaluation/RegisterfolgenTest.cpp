#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

#include "CurveDiscussionTable.h"
#include "CurveDiscussionWindow.h"
#include "exact/Term.h"
#include "funclist/core/Register.h"
#include "parser/ParseChain.h"

namespace {

// Sequences of register buttons, shifts and list steps with the exact curve discussion of the
// function they end on; see data/make_register_sequences.py for the rows and their steps.
class RegisterfolgenTest : public CurveDiscussionWindow {
 protected:
  void SetUp() override {
    CurveDiscussionWindow::SetUp();
    // A degree message of a run is part of some sequences; it is closed as a user would.
    services.AnswerUnscripted([](const MessageDialog&) { return PressedButton::CancelButton; });
    WaehleRundung(kRundung);
  }

  // Carries out one step; false, with what went wrong, where the step cannot be done.
  bool Schritt(const std::string& schritt, std::string& fehler) {
    const std::size_t blank = schritt.find(' ');
    const std::string was = schritt.substr(0, blank);
    const std::string rest = blank == std::string::npos ? "" : schritt.substr(blank + 1);
    const std::pair<const char*, const char*> knoepfe[] = {
        {"g<->f", "gfB"}, {"g*f", "gmalfB"},  {"g-f", "gmalfB1"},  {"1/f", "gmalfB11"},
        {"f'", "g_AnzB1"}, {"f<->h", "RZeigB"}, {"g<->h", "g_AnzB"},
    };
    for (const auto& [name, knopf] : knoepfe)
      if (was == name) {
        Druecke(knopf);
        return true;
      }
    if (was == "type") {
      const std::size_t bar = rest.find(" | ");
      Analysiere(rest.substr(0, bar), rest.substr(bar + 3));
      return true;
    }
    if (was == "shift") {
      const std::size_t space = rest.find(' ');
      window().xVF().SetText(rest.substr(0, space));
      window().yVF().SetText(rest.substr(space + 1));
      Druecke("VerschiebeB");
      return true;
    }
    if (was == "fetch") return Holen(rest, fehler);
    if (was == "round") {
      services.AnswerDialog(PressedButton::ActionButton);
      window().KoeffRundenWahlB().SetText("    " + rest + " Dezimalen");
      return true;
    }
    if (was == "save-empty-load") {
      const std::string datei = ordner.filePath("RDaten").toStdString();
      services.AnswerDialog(PressedButton::ActionButton);
      services.AnswerSaveDialog(datei);
      window().RinglisteB().SetText("    Speichern");
      services.AnswerDialog(PressedButton::ActionButton);
      window().RinglisteB().SetText("    Entleeren");
      services.AnswerDialog(PressedButton::ActionButton);
      services.AnswerOpenDialog(datei);
      window().RinglisteB().SetText("    Laden");
      return true;
    }
    fehler = "unknown step " + schritt;
    return false;
  }

  // "h aus Liste holen" until h holds the function N | D as the list wrote it.
  bool Holen(const std::string& funktion, std::string& fehler) {
    const std::size_t bar = funktion.find(" | ");
    const std::optional<exact::Polynomial> n = Parser::ExactTerm(funktion.substr(0, bar));
    const std::optional<exact::Polynomial> d = Parser::ExactTerm(funktion.substr(bar + 3));
    for (std::size_t i = 0; n && d && i <= window().RListe.size(); ++i) {
      Druecke("RNextB1");
      const Register::Haelften h = Register::AmBruchstrichTeilen(window().AnzeigeF().Text());
      const std::optional<exact::Polynomial> hn = Parser::ExactTerm(h.links);
      const std::optional<exact::Polynomial> hd = Parser::ExactTerm(h.rechts);
      if (hn && hd && hn->Degree() == n->Degree() && hd->Degree() == d->Degree() &&
          *hn * *d == *n * *hd)
        return true;
    }
    fehler = "the list holds no " + funktion;
    return false;
  }

  QTemporaryDir ordner;
};

TEST_F(RegisterfolgenTest, EverySequenceEndsOnItsExactCurveDiscussionAtSixDecimals) {
  const std::vector<Kurvendiskussion> rows = Tabelle(VARELTO_REGISTER_SEQUENCES);
  ASSERT_GE(rows.size(), 100u);
  int falsch = 0;
  for (const Kurvendiskussion& s : rows) {
    const std::vector<std::string> schritte = curve_discussion_table::Split(s.zaehler, ';');
    std::vector<std::string> d;
    for (std::size_t i = 0; i < schritte.size() && d.empty(); ++i) {
      std::string schritt = schritte[i];
      schritt.erase(0, schritt.find_first_not_of(' '));
      schritt.erase(schritt.find_last_not_of(' ') + 1);
      if (i + 1 == schritte.size()) window().Report.clear();
      std::string fehler;
      if (!Schritt(schritt, fehler)) d.push_back(fehler);
    }
    if (d.empty()) d = Gezeigt(s);
    falsch += !d.empty();
    std::string alle;
    for (const std::string& a : d) alle += "\n  " + a;
    EXPECT_TRUE(d.empty()) << s.name << ": " << s.zaehler << "\n  f = " << Text("EingF") << " / "
                           << Text("EingF2") << alle;
  }
  EXPECT_EQ(falsch, 0) << "of " << rows.size() << " sequences";
}

}  // namespace
