#include "algebra/Zahlen.h"
#include "roots/Nullstellen.h"

namespace Analyse {

void DurchLinearfaktor(PolynomT& p, double z, int mal) {
  PolynomT h;
  for (int i = 0; i < mal && p.grad() > 0; ++i) {
    h.KopieVon(p);
    p.PdurchxminusB(h, z);
  }
}

int Abspalten(PolynomT& p, double z) {
  int m = 0;
  for (; p.grad() > 0 && Zahl::IstNull(p.FWert(z)); ++m) DurchLinearfaktor(p, z, 1);
  return m;
}

}  // namespace Analyse
