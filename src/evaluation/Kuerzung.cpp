#include "evaluation/Kuerzung.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "exact/SquareFree.h"
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

// The point of Z nearest to z when it lies within the merge distance, else z.
double Naechste(const ZeroSet& Z, double z) {
  double best = z;
  for (int i = 1; i <= Z.count(); ++i)
    if (std::abs(Z[i] - z) <= Analyse::kMergeDistance && std::abs(Z[i] - z) < std::abs(best - z))
      best = Z[i];
  return best;
}

bool HatNahe(const ZeroSet& Z, double z) {
  for (int i = 1; i <= Z.count(); ++i)
    if (std::abs(Z[i] - z) <= Analyse::kMergeDistance) return true;
  return false;
}

// The smallest number of decimals, up to 9, that writes every coefficient of p.
int Dezimalen(const PolynomT& p) {
  for (int k = 0; k <= 9; ++k) {
    const double s = std::pow(10.0, k);
    bool ganz = true;
    for (double c : p.Koeff) ganz = ganz && std::abs(c * s - text::Round(c * s)) <= 1e-7;
    if (ganz) return k;
  }
  return -1;
}

// A dividend with k decimals divided exactly by a monic factor has a quotient with k decimals
// (the factor's primitive integer form divides the dividend's over the integers). Rounding noise
// of the division is taken off that way, but only where every coefficient lies that close to it.
void AufDezimalen(PolynomT& q, int k) {
  if (k < 0) return;
  const double s = std::pow(10.0, k);
  PolynomT glatt;
  for (int i = 0; i < kN; ++i) {
    const double r = text::Round(q.Koeff[i] * s);
    if (!(std::abs(q.Koeff[i] * s - r) <= 1e-3)) return;
    glatt.Koeff[i] = r / s;
  }
  q.KopieVon(glatt);
}

// Divides p by g, whose real zeros with their multiplicities are given and whose remaining
// factor without real zeros is rest: each linear factor at p's own zero next to it, which is
// far more accurate than a zero of the computed g.
void Teile(PolynomT& p, const std::vector<std::pair<double, int>>& linear, const PolynomT& rest) {
  const int k = Dezimalen(p);
  ZeroSet eigene;
  Analyse::FindeNullstellen(p, eigene);
  for (const auto& [z, m] : linear) Analyse::DurchLinearfaktor(p, Naechste(eigene, z), m);
  if (rest.grad() > 0) {
    PolynomT r;
    p.PDurch(rest, p, r);
  }
  AufDezimalen(p, k);
}

void Melden(Kuerzung& k, const RationalT& f, std::string& report, const PolynomT& g,
            const ZeroSet& nullstellenG) {
  CoreContext::Instanz().SetKuerzReportBVisible(true);
  k.gekuerzt = true;
  k.funktionVorher = f.Term2string();
  report +=
      text::Chr(12) + "Der Funktionsterm " + k.funktionVorher + " wurde mit  " + g.Term2String();
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
  G.RoundInto(g);
  ZeroSet nullstellenG;
  Analyse::Nullstellen(exact::SquareFree(G), nullstellenG);
  Melden(k, f, report, g, nullstellenG);
  exakt.zaehler = exakt.zaehler->ExactQuotient(G);
  exakt.nenner = exakt.nenner->ExactQuotient(G);
  if (!exakt.zaehler->RoundInto(f.Zl) || !exakt.nenner->RoundInto(f.Nn)) {
    // Beyond the Double range the quotients stay as division of the Doubles gives them.
    PolynomT rest;
    f.Zl.PDurch(g, f.Zl, rest);
    f.Nn.PDurch(g, f.Nn, rest);
    exakt.Vergessen();
    return k;
  }
  Analyse::Nullstellen(exact::SquareFree(G.WithoutFactorsOf(*exakt.nenner)), k.hebbareLuecken);
  HebbareMelden(k, report);
  return k;
}

}  // namespace

Kuerzung KuerzeGemeinsamenFaktor(RationalT& f, std::string& report, ExakteTerme& exakt) {
  Kuerzung k;
  if (f.Zl.grad() * f.Nn.grad() <= 1) return k;
  exakt.Teilen(f.InNKuerzen());
  if (exakt.Bekannt()) {
    const exact::Polynomial G = exact::Polynomial::Gcd(*exakt.zaehler, *exakt.nenner);
    if (!G.IsConstant()) return ExaktKuerzen(f, report, exakt, G);
  }
  PolynomT g;
  g.ggT(f.Zl, f.Nn);
  ZeroSet nullstellenG;
  // Only the linear factors of an inexact gcd are cancelled, and only where both terms have a
  // zero of their own: a common factor found by rounding alone must not change f.
  bool nurLinear = false;
  if (g.grad() <= 0) {
    RelativerGgT(f.Zl, f.Nn, g);
    Analyse::FindeNullstellen(g, nullstellenG);
    ZeroSet zZl;
    ZeroSet zNn;
    Analyse::FindeNullstellen(f.Zl, zZl);
    Analyse::FindeNullstellen(f.Nn, zNn);
    bool gemeinsam = g.grad() > 0 && nullstellenG.count() > 0;
    for (double z : nullstellenG.points())
      gemeinsam = gemeinsam && HatNahe(zZl, z) && HatNahe(zNn, z);
    if (!gemeinsam) return k;
    nurLinear = true;
  } else {
    Analyse::FindeNullstellen(g, nullstellenG);
  }

  std::vector<std::pair<double, int>> linear;
  PolynomT rest;
  rest.KopieVon(g);
  for (double z : nullstellenG.points()) {
    const int m = Analyse::Abspalten(rest, z);
    if (m > 0) linear.emplace_back(z, m);
  }
  if (nurLinear) {
    if (linear.empty()) return k;
    g.Einsen();
    PolynomT faktor;
    faktor.Koeff[1] = 1;
    for (const auto& [z, m] : linear) {
      faktor.Koeff[0] = -z;
      for (int i = 0; i < m; ++i) g.Produkt(g, faktor);
    }
    rest.Einsen();
  } else if (rest.grad() > 0) {
    Normiere(rest);
  }

  Melden(k, f, report, g, nullstellenG);
  // A factor that only the relative test finds is no exact one of the terms as read.
  exakt.Vergessen();
  Teile(f.Zl, linear, rest);
  Teile(f.Nn, linear, rest);

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
