#include "evaluation/Integration.h"

#include <cmath>
#include <limits>

#include "algebra/CoreContext.h"
#include "algebra/Zahlen.h"
#include "roots/ExakteNullstellen.h"

namespace Auswertung {

namespace {

constexpr int kSchritte = 100000;

int HoechsterKoeffizient(const PolynomT& p) {
  int n = PolynomT::kMaxGrad;
  while (n >= 0 && p.Koeff[n] == 0.0) --n;
  return n;
}

// Horner from the highest non-zero coefficient down: the zeros above it add exact zeros at a
// finite x, so this is PolynomT::FWert bit for bit at a fraction of its 43 steps.
double Horner(const PolynomT& p, int oben, double x) {
  double s = 0;
  for (int n = oben; n >= 0; --n) s = s * x + p.Koeff[n];
  return s;
}

}  // namespace

Integralwert Integriere(const RationalT& f, double a, double b) {
  Integralwert w;
  ZeroSet luecken;
  Analyse::Termnullstellen(f, 1, luecken);
  w.ok = true;
  for (int i = 1; i <= luecken.count(); ++i) {
    const double x = luecken[i];
    const double m = (a - x) * (b - x);
    if (m < 0 || Zahl::IstNull(m)) {
      w.ok = false;
      w.luecke = x;
    }
  }
  if (!w.ok) return w;

  const double h = (b - a) / kSchritte;
  // Every sample of a step that is not finite, and so the sum, is infinite or NaN.
  if (!std::isfinite(h)) {
    w.wert = std::numeric_limits<double>::quiet_NaN();
    return w;
  }
  const int oz = HoechsterKoeffizient(f.Zl);
  const int on = HoechsterKoeffizient(f.Nn);
  CoreContext& kontext = CoreContext::Instanz();
  double summe = 0;
  for (int k = 0; k <= kSchritte; ++k) {
    const double x = a + k * h;
    const double y = f.Np == 1 ? Horner(f.Zl, oz, x) / Horner(f.Nn, on, x) : f.FWert(x);
    summe = summe + h * y;
    kontext.Yield();
  }
  w.wert = summe;
  return w;
}

}  // namespace Auswertung
