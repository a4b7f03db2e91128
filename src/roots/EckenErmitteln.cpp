#include <algorithm>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"
#include "roots/ExakteNullstellen.h"
#include "roots/KritischePunkte.h"
#include "roots/Nullstellen.h"

namespace {

// Widens [xmin; xmax] by a tenth of its width on each side, by 1 where it is a single point.
void Widen(double& xmin, double& xmax) {
  double d = (xmax - xmin) / 10;
  if (d == 0) d = 1;
  xmin = xmin - d;
  xmax = xmax + d;
}

// The least and the greatest value of f at x and at the points.
template <class Function>
void ValueRange(const Function& f, double x, const ZeroSet& points, double& ymin, double& ymax) {
  ymin = f.FWert(x);
  ymax = ymin;
  for (int i = 1; i <= points.count(); ++i) {
    const double v = f.FWert(points[i]);
    ymin = std::min(ymin, v);
    ymax = std::max(ymax, v);
  }
}

}  // namespace

void RationalT::EckenErmitteln() {
  ZeroSet S;
  ZeroSet N;
  ZeroSet K;
  Analyse::Termnullstellen(*this, 0, S);
  Analyse::Termnullstellen(*this, 1, N);
  Analyse::FindeKP(*this, K);

  xmin = -5;
  xmax = 5;
  if (S.count() > 0) {
    xmin = S[1];
    xmax = S[S.count()];
  }
  if (N.count() > 0) {
    xmin = std::min(xmin, N[1]);
    xmax = std::max(xmax, N[N.count()]);
  }
  Widen(xmin, xmax);

  // The gaps lie at least the margin inside, so neither the left end nor a critical point is a
  // pole; the right end is not sampled.
  ValueRange(*this, xmin, K, ymin, ymax);
  if (ymax - ymin < 1) {
    ymin = ymin - 1;
    ymax = ymax + 1;
  }
  if (ymin == 0) ymin = -ymax / 20;
  if (ymax == 0) ymax = -ymin / 20;
}

void PolynomT::EckenErmitteln(ZeroSet& menge) {
  const int g = grad();
  if (g < 1) {
    const double c = FWert(0);
    xmin = -1;
    xmax = 1;
    ymin = -1;
    ymax = 1;
    if (c < 0) {
      ymin = 1.1 * c;
      ymax = -0.1 * c;
    } else if (c > 0) {
      ymin = -0.1 * c;
      ymax = 1.1 * c;
    }
    return;
  }
  if (g == 1) {
    const double z = -Koeff[0] / Koeff[1];
    xmin = -2;
    xmax = 2;
    if (z < 0) {
      xmin = 2 * z;
      xmax = -z;
    } else if (z > 0) {
      xmin = -z;
      xmax = 2 * z;
    }
    ymin = std::min(FWert(xmin), FWert(xmax));
    ymax = std::max(FWert(xmin), FWert(xmax));
    return;
  }
  // Without a point the range is that of a single point at 0.
  const int n = menge.count();
  xmin = n > 0 ? menge[1] : 0;
  xmax = n > 0 ? menge[n] : 0;
  Widen(xmin, xmax);
  ValueRange(*this, xmin, menge, ymin, ymax);
  const double h = ymax - ymin;
  if (h == 0) {
    ymin = ymin - 1;
    ymax = ymax + 1;
  }
  if (ymin == 0) ymin = -ymax;
  if (ymax == 0) ymax = -ymin;
  ymin = ymin - h / 10;
  ymax = ymax + h / 10;
}
