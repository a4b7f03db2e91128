#include "graph/View.h"

#include <cmath>

#include "algebra/RationalT.h"

namespace graph {

Scales ScalesOf(const View& v) {
  Scales s;
  s.dy = v.ymax - v.ymin;
  s.deltax = (v.xmax - v.xmin) / kDrawingWidth;
  s.mx = 1 / s.deltax;
  return s;
}

bool IsUsable(const View& v) {
  const double w = v.xmax - v.xmin;
  const double h = v.ymax - v.ymin;
  return w > 0 && h > 0 && std::isfinite(w) && std::isfinite(h) &&
         std::isfinite(kDrawingWidth / w) && std::isfinite(kDrawingHeight / h);
}

View PlotRangeOf(const RationalT& f) {
  return {f.xmin, f.xmax, f.ymin, f.ymax};
}

void ChooseView(View& view, bool& NeueFunktion, bool& GrafikHalten, const RationalT& f) {
  if (GrafikHalten) {
    GrafikHalten = false;
    NeueFunktion = false;
    return;
  }
  if (!NeueFunktion) return;
  const View plot = PlotRangeOf(f);
  if (!IsUsable(plot)) return;
  view = plot;
  NeueFunktion = false;
}

}  // namespace graph
