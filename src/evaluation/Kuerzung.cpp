#include "evaluation/Kuerzung.h"

#include "algebra/CoreContext.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "roots/Nullstellen.h"

namespace Auswertung {

Kuerzung KuerzeGemeinsamenFaktor(RationalT& f, std::string& report) {
  Kuerzung k;
  if (f.Zl.grad() * f.Nn.grad() <= 1) return k;
  f.InNKuerzen();
  PolynomT g;
  g.ggT(f.Zl, f.Nn);
  if (g.grad() <= 0) return k;

  CoreContext::Instanz().SetKuerzReportBVisible(true);
  k.gekuerzt = true;
  k.funktionVorher = f.Term2string();
  report +=
      text::Chr(12) + "Der Funktionsterm " + k.funktionVorher + " wurde mit  " + g.Term2String();
  ZeroSet nullstellenG;
  Analyse::FindeNullstellen(g, nullstellenG);
  if (nullstellenG.count() > 0)
    report += " mit Nullstelle(n) " + Zahl::Zahlfeldausgabe(nullstellenG);
  report += " gekürzt.";

  PolynomT rest;
  f.Zl.PDurch(g, f.Zl, rest);
  f.Nn.PDurch(g, f.Nn, rest);

  for (int i = 1; i <= nullstellenG.count(); ++i) {
    const double z = nullstellenG[i];
    if (!Zahl::IstNull(f.Nn.FWert(z))) k.hebbareLuecken.append(z);
  }
  if (k.hebbareLuecken.count() > 0)
    report += text::Chr(12) + "Dadurch wurde die Funktion bei " +
              Zahl::Zahlfeldausgabe(k.hebbareLuecken) + " stetig ergänzt.";
  return k;
}

bool GradsummeZuGross(const RationalT& f) {
  return f.Zl.grad() + f.Nn.grad() > 20;
}

}  // namespace Auswertung
