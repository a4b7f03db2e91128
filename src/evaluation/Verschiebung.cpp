#include "evaluation/Verschiebung.h"

#include <algorithm>
#include <cmath>

namespace Auswertung {

namespace {

bool Endlich(const PolynomT& p) {
  return std::all_of(p.Koeff.begin(), p.Koeff.end(), [](double c) { return std::isfinite(c); });
}

}  // namespace

bool Verschiebe(RationalT& f, double a, double b) {
  RationalT g;
  g.KopieVon(f);
  if (b != 0) {
    PolynomT p;
    p.SMal(b, g.Nn);
    g.Zl.Summe(p, g.Zl);
  }
  if (a != 0) {
    g.Zl.xVerschiebungUm(a);
    g.Nn.xVerschiebungUm(a);
  }
  if (!Endlich(g.Zl) || !Endlich(g.Nn)) return false;
  f.KopieVon(g);
  return true;
}

}  // namespace Auswertung
