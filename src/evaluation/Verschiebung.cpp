#include "evaluation/Verschiebung.h"

namespace Auswertung {

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
  if (!g.AllFinite()) return false;
  f.KopieVon(g);
  return true;
}

}  // namespace Auswertung
