#include "graph/Navigation.h"

#include <algorithm>
#include <cmath>

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"

namespace graph {

namespace {

constexpr double kMaxNotches = 5;

// Moves the edges of each axis in by c steps of its extent; a step in is 1/11 of it, a step out
// 1/12, so that zooming in and back out is not an exact round trip.
View Zoomed(const View& v, double cx, double cy) {
  const double w = v.xmax - v.xmin;
  const double h = v.ymax - v.ymin;
  const double ex = cx * (w / (cx > 0 ? 11 : 12));
  const double ey = cy * (h / (cy > 0 ? 11 : 12));
  return {v.xmin + ex, v.xmax - ex, v.ymin + ey, v.ymax - ey};
}

void Accept(View& v, const View& next) {
  if (IsUsable(next)) v = next;
}

}  // namespace

void ZoomByWheel(View& v, double notches) {
  // Not a number fails both comparisons of clamp and would poison the view, so it turns nothing.
  const double c = std::isnan(notches) ? 0 : std::clamp(notches, -kMaxNotches, kMaxNotches);
  Accept(v, Zoomed(v, c, c));
}

void ZoomInHorizontally(View& v) {
  Accept(v, Zoomed(v, 1, 0));
}

void ZoomOutHorizontally(View& v) {
  Accept(v, Zoomed(v, -1, 0));
}

void Pan(View& v, std::int32_t oldx, std::int32_t oldy, std::int32_t x, std::int32_t y) {
  const double sx = (v.xmax - v.xmin) * ((static_cast<double>(x) - oldx) / kDrawingWidth);
  const double sy = (v.ymax - v.ymin) * ((static_cast<double>(y) - oldy) / kCanvasHeight);
  Accept(v, {v.xmin - sx, v.xmax - sx, v.ymin + sy, v.ymax + sy});
}

std::string xKoText(double xmin, double deltax, std::int32_t X) {
  return text::Str(Zahl::Gerundet(2, xmin + X * deltax));
}

std::string yKoText(double ymin, double dy, std::int32_t Y) {
  return text::Str(
      Zahl::Gerundet(2, ymin + dy * (kDrawingHeight - static_cast<double>(Y)) / kDrawingHeight));
}

}  // namespace graph
