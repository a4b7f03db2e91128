#include "evaluation/Kuerzung.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "exact/TermText.h"
#include "roots/ExakteNullstellen.h"
#include "roots/Nullstellen.h"

namespace Auswertung {
namespace {

constexpr int kN = PolynomT::kMaxGrad + 1;

double Betrag(const PolynomT& p) {
  double m = 0;
  for (double c : p.Koeff) m = std::max(m, std::abs(c));
  return m;
}

void Normiere(PolynomT& p) {
  const double l = p.Koeff[p.grad()];
  for (double& c : p.Koeff) c = c / l;
}

// Euclid with every remainder judged against its dividend instead of the absolute zero test:
// making each remainder monic amplifies the rounding error, so the remainder that is 0 in exact
// arithmetic can come out above 1e-9 and the plain gcd is 1.
void RelativerGgT(const PolynomT& A, const PolynomT& B, PolynomT& g) {
  PolynomT a;
  PolynomT b;
  a.KopieVon(A.grad() >= B.grad() ? A : B);
  b.KopieVon(A.grad() >= B.grad() ? B : A);
  Normiere(b);
  PolynomT q;
  PolynomT r;
  while (b.grad() > 0) {
    a.PDurch(b, q, r);
    if (!r.AllFinite() || r.grad() < 0 || Betrag(r) <= 1e-8 * Betrag(a)) break;
    a.KopieVon(b);
    b.KopieVon(r);
    Normiere(b);
  }
  g.KopieVon(b);
}

bool HatNahe(const ZeroSet& Z, double z) {
  for (int i = 1; i <= Z.count(); ++i)
    if (std::abs(Z[i] - z) <= Analyse::kMergeDistance) return true;
  return false;
}

// The decimals that write every coefficient of a term: exactly from its exact term where known,
// else from its Doubles, up to 9.
int Dezimalen(const PolynomT& p, const std::optional<exact::Polynomial>& e) {
  if (e) return e->Decimals(PolynomT::kMaxGrad);
  for (int k = 0; k <= 9; ++k) {
    const double s = std::pow(10.0, k);
    bool ganz = true;
    for (double c : p.Koeff) ganz = ganz && std::abs(c * s - text::Round(c * s)) <= 1e-7;
    if (ganz) return k;
  }
  return -1;
}

// A dividend with k decimals divided exactly by a monic factor has a quotient with k decimals
// (the factor's primitive integer form divides the dividend's over the integers). The rounding
// noise of dividing by the relative gcd is taken off that way, but only where every coefficient
// lies that close to it.
void AufDezimalen(PolynomT& q, int k) {
  if (k < 0 || k > 14) return;
  const double s = std::pow(10.0, k);
  PolynomT glatt;
  for (int i = 0; i < kN; ++i) {
    const double r = text::Round(q.Koeff[i] * s);
    if (!(std::abs(q.Koeff[i] * s - r) <= 1e-3)) return;
    glatt.Koeff[i] = r / s;
  }
  q.KopieVon(glatt);
}

// A term text the program wrote holds coefficients of 14 decimals, the mark of a factor such as
// x-0.33333333333333 that is no exact one of a typed term.
bool VomProgrammGeschrieben(const std::optional<exact::Polynomial>& e) {
  return !e || e->Decimals(14) == 14;
}

void Melden(Kuerzung& k, const RationalT& f, std::string& report, const std::string& faktor,
            const ZeroSet& nullstellenG) {
  CoreContext::Instanz().SetKuerzReportBVisible(true);
  k.gekuerzt = true;
  k.funktionVorher = f.Term2string();
  report += text::Chr(12) + "Der Funktionsterm " + k.funktionVorher + " wurde mit  " + faktor;
  if (nullstellenG.count() > 0)
    report += " mit Nullstelle(n) " + Zahl::Zahlfeldausgabe(nullstellenG);
  report += " gekürzt.";
}

void HebbareMelden(const Kuerzung& k, std::string& report) {
  if (k.hebbareLuecken.count() > 0)
    report += text::Chr(12) + "Dadurch wurde die Funktion bei " +
              Zahl::Zahlfeldausgabe(k.hebbareLuecken) + " stetig ergänzt.";
}

// The removable gaps are the zeros of the common factor that the reduced denominator does not
// share.
Kuerzung ExaktKuerzen(RationalT& f, std::string& report, ExakteTerme& exakt,
                      const exact::Polynomial& G) {
  Kuerzung k;
  PolynomT g;
  ZeroSet nullstellenG;
  Analyse::Nullstellen(G, nullstellenG);
  const exact::Polynomial zaehler = exakt.zaehler->ExactQuotient(G);
  const exact::Polynomial nenner = exakt.nenner->ExactQuotient(G);
  PolynomT zl;
  PolynomT nn;
  // Beyond the Double range the quotients are left to the division of the Doubles.
  const bool rund = G.RoundInto(g) && zaehler.RoundInto(zl) && nenner.RoundInto(nn);
  if (!rund) g.ggT(f.Zl, f.Nn);
  // The factor is written as exactly as the function it divides, so that it reads as a divisor.
  Melden(k, f, report, exact::ExactOf(f) ? exact::TermText(G) : g.Term2String(), nullstellenG);
  if (!rund) {
    PolynomT rest;
    f.Zl.PDurch(g, f.Zl, rest);
    f.Nn.PDurch(g, f.Nn, rest);
    exakt.Vergessen();
    return k;
  }
  f.Zl.KopieVon(zl);
  f.Nn.KopieVon(nn);
  exakt.zaehler = zaehler;
  exakt.nenner = nenner;
  Analyse::Nullstellen(G.WithoutFactorsOf(nenner), k.hebbareLuecken);
  HebbareMelden(k, report);
  return k;
}

}  // namespace

Kuerzung KuerzeGemeinsamenFaktor(RationalT& f, std::string& report, ExakteTerme& exakt) {
  Kuerzung k;
  if (f.Zl.grad() * f.Nn.grad() <= 1) return k;
  exakt.Teilen(f.InNKuerzen());
  // The report and the function list get the text of f before the division from its exact terms.
  f.exakt = exakt.Fuer(f);
  if (exakt.Bekannt()) {
    const exact::Polynomial G = exact::Polynomial::Gcd(*exakt.zaehler, *exakt.nenner);
    if (!G.IsConstant()) return ExaktKuerzen(f, report, exakt, G);
  }
  // Where the exact gcd is constant, the Doubles' gcd would only find what the zero tolerance
  // takes for a remainder of 0.
  PolynomT g;
  if (!exakt.Bekannt()) g.ggT(f.Zl, f.Nn);
  ZeroSet nullstellenG;
  if (g.grad() <= 0) {
    if (!VomProgrammGeschrieben(exakt.zaehler) && !VomProgrammGeschrieben(exakt.nenner)) return k;
    // Texts the program wrote keep 14 decimals, so a factor they share with a typed term is no
    // exact one; the relative gcd finds it, and it is cancelled only where both terms have a zero
    // of their own at each of its zeros: a common factor found by rounding alone must not
    // change f.
    RelativerGgT(f.Zl, f.Nn, g);
    Analyse::FindeNullstellen(g, nullstellenG);
    // The terms' own zeros from their exact terms where known: on the Doubles a term with tiny
    // coefficients has a "zero" wherever its value lies below the zero tolerance.
    const auto eigene = [](const PolynomT& p, const std::optional<exact::Polynomial>& e) {
      ZeroSet z;
      if (e) {
        Analyse::Nullstellen(*e, z);
      } else {
        Analyse::FindeNullstellen(p, z);
      }
      return z;
    };
    const ZeroSet zZl = eigene(f.Zl, exakt.zaehler);
    const ZeroSet zNn = eigene(f.Nn, exakt.nenner);
    bool gemeinsam = g.grad() > 0 && nullstellenG.count() > 0;
    for (double z : nullstellenG.points())
      gemeinsam = gemeinsam && HatNahe(zZl, z) && HatNahe(zNn, z);
    if (!gemeinsam) return k;
  } else {
    Analyse::FindeNullstellen(g, nullstellenG);
  }

  Melden(k, f, report, g.Term2String(), nullstellenG);
  const int dezimalenZl = Dezimalen(f.Zl, exakt.zaehler);
  const int dezimalenNn = Dezimalen(f.Nn, exakt.nenner);
  exakt.Vergessen();
  PolynomT rest;
  f.Zl.PDurch(g, f.Zl, rest);
  f.Nn.PDurch(g, f.Nn, rest);
  AufDezimalen(f.Zl, dezimalenZl);
  AufDezimalen(f.Nn, dezimalenNn);

  for (int i = 1; i <= nullstellenG.count(); ++i) {
    const double z = nullstellenG[i];
    if (!Zahl::IstNull(f.Nn.FWert(z))) k.hebbareLuecken.append(z);
  }
  HebbareMelden(k, report);
  return k;
}

bool GradsummeZuGross(const RationalT& f) {
  return f.Zl.grad() + f.Nn.grad() > 20;
}

}  // namespace Auswertung
