#include "evaluation/Ergebnisse.h"

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "exact/Function.h"
#include "roots/ExakteNullstellen.h"
#include "roots/Faktorform.h"
#include "roots/KritischePunkte.h"
#include "roots/Nullstellen.h"

namespace Auswertung {

namespace {

// A zero of the numerator at a gap is no zero of f; the tolerance is the one of the critical
// points, so (x-1)/(x-1) shows the gap 1 and no zero.
ZeroSet OhneLuecken(const ZeroSet& nullstellen, const ZeroSet& luecken) {
  ZeroSet rest;
  for (int i = 1; i <= nullstellen.count(); ++i) {
    bool anLuecke = false;
    for (int j = 1; j <= luecken.count() && !anLuecke; ++j)
      anLuecke = Zahl::IstNull(luecken[j] - nullstellen[i]);
    if (!anLuecke) rest.append(nullstellen[i]);
  }
  return rest;
}

}  // namespace

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
  if (f.exakt && f.exakt->Describes(f)) {
    // The numerator of f in lowest terms vanishes exactly at the zeros of f.
    const exact::Function& x = *f.exakt;
    Analyse::Nullstellen(x.DerivativeFactors(0), nullstellen);
    Analyse::Nullstellen(x.TermFactors(1), luecken);
    e.zaehlerForm = Analyse::Faktorform(f.Zl, x.Numerator(), x.TermFactors(0));
    e.nennerForm = Analyse::Faktorform(f.Nn, x.Denominator(), x.TermFactors(1));
  } else {
    Analyse::FindeNullstellen(f.Zl, nullstellen);
    Analyse::FindeNullstellen(f.Nn, luecken);
    nullstellen = OhneLuecken(nullstellen, luecken);
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
