#include "evaluation/Ergebnisse.h"

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
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
  Analyse::FindeNullstellen(f.Zl, nullstellen);
  Analyse::FindeNullstellen(f.Nn, luecken);
  Analyse::FindeKP(f, KPMenge);
  e.zaehlerForm = f.Zl.Faktorform();
  e.nennerForm = f.Nn.Faktorform();
  if (gradZaehler == 0) {
    e.nullstellen =
        "Die Funktion mit konstantem Zähler " + text::Str(f.Zl.Koeff[0]) + " hat keine Nullstellen";
  } else {
    e.nullstellen = Zahl::Zahlfeldausgabe2(OhneLuecken(nullstellen, luecken));
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
