#include "evaluation/Ergebnisse.h"

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "exact/Function.h"
#include "roots/ExakteNullstellen.h"
#include "roots/Faktorform.h"
#include "roots/KritischePunkte.h"
#include "roots/Nullstellen.h"

namespace Auswertung {

Ergebnistexte Analysiere(RationalT& f, ZeroSet& KPMenge, PolynomT& Asymptote, PolynomT& PPP) {
  Ergebnistexte e;
  const int gradZaehler = f.Zl.grad();
  if (gradZaehler == -1) {
    e.nullstellen = "Alle reellen Zahlen sind Nullstellen der Nullfunktion";
    e.zaehlerForm = "Alle Polynome sind Teiler des Nullpolynoms";
    e.nennerForm = "1";
    KPMenge.clear();
    f.Nn.Einsen();
    e.nennerAufEins = true;
    return e;
  }

  ZeroSet nullstellen;
  ZeroSet luecken;
  Analyse::Termnullstellen(f, 1, luecken);
  if (const exact::Function* exakt = exact::ExactOf(f)) {
    // The numerator of f in lowest terms vanishes exactly at the zeros of f.
    const exact::Function& x = *exakt;
    Analyse::Nullstellen(x.DerivativeFactors(0), nullstellen);
    e.zaehlerForm = Analyse::Faktorform(f.Zl, x.Numerator(), x.TermFactors(0));
    e.nennerForm = Analyse::Faktorform(f.Nn, x.Denominator(), x.TermFactors(1));
  } else {
    Analyse::FindeNullstellen(f.Zl, nullstellen);
    e.zaehlerForm = f.Zl.Faktorform();
    e.nennerForm = f.Nn.Faktorform();
  }
  Analyse::FindeKP(f, KPMenge);
  if (gradZaehler == 0) {
    e.nullstellen =
        "Die Funktion mit konstantem Zähler " + text::Str(f.Zl.Koeff[0]) + " hat keine Nullstellen";
  } else {
    e.nullstellen = Zahl::Zahlfeldausgabe2(nullstellen);
  }
  if (f.Nn.grad() > 0) {
    e.luecken = Zahl::Zahlfeldausgabe2(luecken);
    f.Zl.PDurch(f.Nn, Asymptote, PPP);
    e.asymptoteZeigen = true;
    e.asymptote = Asymptote.Term2String2();
  }
  return e;
}

}  // namespace Auswertung
