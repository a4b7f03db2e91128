#include "roots/Bisection.h"
#include "roots/Nullstellen.h"

namespace Analyse {

double GibNullst(const PolynomT& P, double a, double b) {
  return detail::Bisect([&P](double x) { return P.FWert(x); }, a, b, P.FWert(a));
}

}  // namespace Analyse
