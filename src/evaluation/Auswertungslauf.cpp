#include <QColor>
#include <optional>
#include <string>

#include "app/HauptF.h"
#include "evaluation/Ergebnisse.h"
#include "evaluation/ExakteTerme.h"
#include "evaluation/Kuerzung.h"
#include "exact/Operations.h"
#include "exact/Term.h"
#include "exact/TermText.h"
#include "parser/ParseChain.h"

namespace {

const QColor kAbgelehnt(224, 80, 0);

const std::string kZahlZuLang =
    "Der Term enthält oder ergibt ausmultipliziert eine Zahl mit mehr als " +
    std::to_string(exact::kMaxNumberDigits) +
    " Stellen; mit so langen Zahlen rechnet das Programm nicht genau.";

// Parses the field's text into p, and into e where it reads exactly: as geschrieben, the exact
// term the program wrote into the field, while the text is unchanged. A refused text goes back
// into the field in red; the colour is set again after the write because the write's change
// handler turns the text black. A term whose numbers, typed or multiplied out, are too long for
// the exact reader is refused with a message: on Doubles alone its multiple zeros would split, and
// its term text could not be read back.
bool TermLesen(HauptF& w, TextField& feld, PolynomT& p, std::optional<exact::Polynomial>& e,
               const exact::Polynomial* geschrieben, bool nenner) {
  const std::string gelesen = feld.Text();
  bool ok = true;
  Parser::ParseChain(gelesen, p, ok);
  if (nenner && ok && p.grad() < 0) ok = false;
  bool zuLang = false;
  if (ok) e = Auswertung::ExaktGelesen(gelesen, p, geschrieben, &zuLang);
  if (!ok || zuLang) {
    // The text goes back as it was typed, with the cursor where it was.
    const int cursor = feld.cursorPosition();
    feld.SetTextColor(kAbgelehnt);
    feld.SetText(gelesen);
    feld.setCursorPosition(cursor);
    feld.SetTextColor(kAbgelehnt);
  }
  if (zuLang) w.MsgBox(kZahlZuLang);
  return ok && !zuLang;
}

}  // namespace

bool HauptF::Abbrechen() {
  KPAnzahl = 0;
  links = 1;
  rechts = 0;
  LPfeilB().setEnabled(false);
  RPfeilB().setEnabled(false);
  ZusatzspalteLeeren();
  return false;
}

bool HauptF::Funktionsauswertung() {
  for (auto& zeile : WertTab) zeile.fill(0.0);
  AsyAusgF().setVisible(false);
  TabLeer();

  // Both terms must be accepted before f changes, so a refused denominator never leaves f as the
  // new numerator over the old denominator.
  PolynomT zaehler;
  PolynomT nenner;
  // Each field is read as the exact term the program wrote into it while its text is unchanged.
  const auto& geschrieben = termfelderExakt;
  const exact::Function* vorher = geschrieben.funktion.get();
  Auswertung::ExakteTerme exakt;
  if (!TermLesen(*this, EingF(), zaehler, exakt.zaehler,
                 vorher && EingF().Text() == geschrieben.zaehlerText ? &vorher->Numerator() : nullptr,
                 false) ||
      !TermLesen(*this, EingF2(), nenner, exakt.nenner,
                 vorher && EingF2().Text() == geschrieben.nennerText ? &vorher->Denominator()
                                                                     : nullptr,
                 true))
    return Abbrechen();
  RationalT bisher;
  bisher.KopieVon(RRR);
  const std::size_t reportBisher = Report.size();
  RRR.Zl.KopieVon(zaehler);
  RRR.Nn.KopieVon(nenner);
  RRR.Np = 1;
  // The parser's partial products carry rounding errors that the term texts would show as noise
  // digits; the exact terms give each coefficient as the nearest Double.
  exakt.Runden(RRR);

  const Auswertung::Kuerzung kuerzung = Auswertung::KuerzeGemeinsamenFaktor(RRR, Report, exakt);
  // Dividing off a common factor adds no decimals but may add whole digits; a reduced term too
  // long for the exact reader would be written as a text that reads back as another function.
  if (kuerzung.gekuerzt && exakt.Bekannt() &&
      !(exact::Readable(*exakt.zaehler) && exact::Readable(*exakt.nenner))) {
    RRR.KopieVon(bisher);
    Report.resize(reportBisher);
    KuerzReportB().setVisible(!Report.empty());
    MsgBox(exact::kZuLangeKoeffizienten);
    return Abbrechen();
  }
  RRR.exakt = exakt.Fuer(RRR);
  if (kuerzung.gekuerzt) {
    fInRListeEinfuegen(kuerzung.funktionVorher);
    InTermfelderSchreiben(RRR);
  }
  if (Auswertung::GradsummeZuGross(RRR)) {
    MsgBox("Die Gradsumme von Zähler und Nenner ist zu groß");
  } else {
    exakt.Teilen(RRR.Kuerzen(Report));
    RRR.exakt = exakt.Fuer(RRR);
    InTermfelderSchreiben(RRR);
  }

  RR[0].KopieVon(RRR);
  for (int i = 1; i <= 2; ++i) RR[i].Abl(RR[i - 1]);

  const Auswertung::Ergebnistexte e = Auswertung::Analysiere(RRR, KPMenge, *Asymptote, *PPP);
  if (e.nennerAufEins) EingF2().SetText("1");
  AusgF2().SetText(e.nullstellen);
  AusgF1().SetText(e.zaehlerForm);
  AusgF1N().SetText(e.nennerForm);
  AusgF2N().SetText(e.luecken);
  if (e.asymptoteZeigen) {
    AsyAusgF().setVisible(true);
    AsyAusgF().SetText(e.asymptote);
    AsyT().setVisible(true);
  }
  IntegralB().setEnabled(true);
  AlleWerteBerechnen();
  if (NeueFunktion) RRR.EckenErmitteln();
  GraphCanvas().Invalidate();
  fInRListeEinfuegen(RRR.Term2string());
  termsEditedSinceRun = false;
  return true;
}
