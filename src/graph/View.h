#pragma once

#include <cstdint>

class RationalT;

namespace graph {

// The sketch always samples 421 columns and maps the view onto 260 rows; the canvas itself is two
// rows taller, and the pan measures vertical offsets against the full height.
inline constexpr std::int32_t kDrawingWidth = 420;
inline constexpr std::int32_t kDrawingHeight = 260;
inline constexpr std::int32_t kCanvasHeight = 262;

// The part of the plane that the canvas shows.
struct View {
  double xmin = -1;
  double xmax = 1;
  double ymin = -1;
  double ymax = 1;

  bool operator==(const View&) const = default;
};

// What every drawing recomputes from the view: x units per column, columns per x unit, height.
struct Scales {
  double deltax = 1;
  double mx = 1;
  double dy = 1;
};

Scales ScalesOf(const View& v);

// A view the mapping can divide by: positive, finite width and height whose scales are finite too.
bool IsUsable(const View& v);

// The plot range that the analysis wrote into f.
View PlotRangeOf(const RationalT& f);

// Decides the view of one drawing. A held view is kept for exactly this drawing, which also
// consumes the pending new function, so that later paints do not jump to its plot range; otherwise
// a new function's plot range is adopted, unless the analysis left no usable one.
void ChooseView(View& view, bool& NeueFunktion, bool& GrafikHalten, const RationalT& f);

}  // namespace graph
