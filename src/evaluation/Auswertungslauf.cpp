#include <QColor>

#include "app/HauptF.h"
#include "evaluation/Ergebnisse.h"
#include "evaluation/ExakteTerme.h"
#include "evaluation/Kuerzung.h"
#include "parser/ParseChain.h"

namespace {

const QColor kAbgelehnt(224, 80, 0);

// Parses the field's text into p. A refused text goes back into the field in red; the colour is
// set again after the write because the write's change handler turns the text black.
bool TermLesen(TextField& feld, PolynomT& p, bool nenner) {
  const std::string gelesen = feld.Text();
  bool ok = true;
  Parser::ParseChain(gelesen, p, ok);
  if (nenner && ok && p.grad() < 0) ok = false;
  if (!ok) {
    feld.SetTextColor(kAbgelehnt);
    feld.SetText(gelesen);
    feld.SetTextColor(kAbgelehnt);
  }
  return ok;
}

}  // namespace

bool HauptF::Funktionsauswertung() {
  for (auto& zeile : WertTab) zeile.fill(0.0);
  AsyAusgF().setVisible(false);
  TabLeer();

  // Both terms must be accepted before f changes, so a refused denominator never leaves f as the
  // new numerator over the old denominator.
  PolynomT zaehler;
  PolynomT nenner;
  const std::string zaehlerText = EingF().Text();
  const std::string nennerText = EingF2().Text();
  if (!TermLesen(EingF(), zaehler, false) || !TermLesen(EingF2(), nenner, true)) {
    KPAnzahl = 0;
    links = 1;
    rechts = 0;
    LPfeilB().setEnabled(false);
    RPfeilB().setEnabled(false);
    ZusatzspalteLeeren();
    return false;
  }
  RRR.Zl.KopieVon(zaehler);
  RRR.Nn.KopieVon(nenner);
  RRR.Np = 1;
  // Each field is read as the exact term the program wrote into it while its text is unchanged.
  const auto& geschrieben = termfelderExakt;
  const exact::Function* vorher = geschrieben.funktion.get();
  Auswertung::ExakteTerme exakt{
      Auswertung::ExaktGelesen(
          zaehlerText, zaehler,
          vorher && zaehlerText == geschrieben.zaehlerText ? &vorher->Numerator() : nullptr),
      Auswertung::ExaktGelesen(
          nennerText, nenner,
          vorher && nennerText == geschrieben.nennerText ? &vorher->Denominator() : nullptr)};
  // The parser's partial products carry rounding errors that the term texts would show as noise
  // digits; the exact terms give each coefficient as the nearest Double.
  exakt.Runden(RRR);

  const Auswertung::Kuerzung kuerzung = Auswertung::KuerzeGemeinsamenFaktor(RRR, Report, exakt);
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
