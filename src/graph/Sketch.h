#pragma once

#include <span>
#include <string>

#include "graph/DisplayList.h"
#include "graph/View.h"

class PolynomT;
class RationalT;
struct ZeroSet;

namespace graph {

// Everything one drawing depends on. asymptote is null when f has no polynomial part to draw
// (a constant denominator); criticalX are the x values of the critical points.
struct SketchInput {
  const View& view;
  const RationalT& f;
  const PolynomT* asymptote;
  const ZeroSet& gaps;
  std::span<const double> criticalX;
};

// The whole canvas: background, curve of f broken at the gaps, axes with arrow heads, asymptote
// polynomial, gap lines and one marker per critical point.
DisplayList BuildSketch(const SketchInput& in);

// World coordinates of the canvas's top-left and bottom-right corners, one decimal.
std::string KooLoText(const View& v);
std::string KooRuText(const View& v);

// A Double pixel coordinate as the whole pixel the painter gets. Values far beyond the canvas
// (or not a number) are pinned well outside it first, so the conversion can never overflow.
std::int32_t ToPixel(double p);

}  // namespace graph
