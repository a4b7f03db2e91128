#include <QColor>

#include "app/HauptF.h"
#include "evaluation/Ergebnisrundung.h"
#include "evaluation/InfoText.h"

namespace {

// What an edit of either term field means: the table and the asymptote no longer belong to the
// fields, and a text that was marked as refused turns black again.
void TermfeldGeaendert(HauptF& w, TextField& feld) {
  w.TabLeer();
  w.NeueFunktion = w.TermfelderNeu();
  w.termsEditedSinceRun = w.NeueFunktion;
  w.AsyAusgF().setVisible(false);
  w.AsyT().setVisible(false);
  feld.SetTextColor(QColor(0, 0, 0));
}

}  // namespace

// Both fields are compared, so editing either one always marks f as new, whichever was edited
// last.
bool HauptF::TermfelderNeu() const {
  return EingF().Text() != RR[0].Zaehlertext() || EingF2().Text() != RR[0].Nennertext();
}

void HauptF::EingF_TextChange(TextField& field) {
  TermfeldGeaendert(*this, field);
}

void HauptF::EingF2_TextChange(TextField& field) {
  TermfeldGeaendert(*this, field);
}

void HauptF::PushButton1_Action(PushButton&) {
  Funktionsauswertung();
}

// The run writes the zero numerator's term text "0" back; the field is emptied again, so that a
// new function can be typed straight away.
void HauptF::QuitB112_Action(PushButton&) {
  EingF().SetText("");
  EingF2().SetText("1");
  Funktionsauswertung();
  EingF().SetText("");
  EingF().setFocus();
}

void HauptF::QuitB_Action(PushButton&) {
  if (HauptF::Instanz().ListBotschaft(7) == 1) Services().Quit(0);
}

void HauptF::QuitB11_Action(PushButton&) {
  MsgBox(Auswertung::InfoText());
}

void HauptF::StellenWahlB_TextChanged(ComboBox& box) {
  const std::int32_t n = Auswertung::StellenzahlAus(box.Text());
  if (n == Stellenzahl) return;
  Stellenzahl = n;
  if (Funktionsauswertung()) IntegralNeuRunden();
}

void HauptF::KuerzReportB_Action(PushButton&) {
  MessageDialog d;
  d.Icon = 1;
  d.ActionButton = {"Report anzeigen", true};
  d.CancelButton = {"", true};
  d.AlternateActionButton = {" Report löschen", true};
  d.Message = "Umgang mit dem Kürzreport";
  d.Explanation =
      "Bis zur Löschaufforderung werden alle Kürzvorgänge im Report protokolliert und können "
      "jederzeit angezeigt werden.";
  switch (Services().ShowModal(d)) {
    case PressedButton::ActionButton:
      MsgBox(Report);
      break;
    case PressedButton::AlternateActionButton:
      Report.clear();
      SetKuerzReportBVisible(false);
      break;
    case PressedButton::CancelButton:
    case PressedButton::None:
      break;
  }
}
