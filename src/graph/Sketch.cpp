#include "graph/Sketch.h"

#include <algorithm>
#include <cmath>

#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "algebra/ZeroSet.h"
#include "exact/FunctionValue.h"

namespace graph {

namespace {

// Far enough outside the canvas that a line towards it leaves the canvas at the same place as
// the true one would; small enough for the painter's own integer arithmetic.
constexpr double kPixelLimit = 100000;
constexpr std::int32_t kArrowLength = 10;
constexpr std::int32_t kArrowHalfWidth = 5;

double Row(const View& v, const Scales& s, double y) {
  return kDrawingHeight - kDrawingHeight * (y - v.ymin) / s.dy;
}

double Column(const View& v, const Scales& s, double x) {
  return s.mx * (x - v.xmin);
}

Line LineAt(double x1, double y1, double x2, double y2) {
  return {ToPixel(x1), ToPixel(y1), ToPixel(x2), ToPixel(y2), kLines};
}

// One segment from column S - 1 to column S for S = 0..420. A segment is left out where the
// value at either end is not finite or where broken(x) says a gap lies between the two samples.
template <class Value, class Broken>
void AddSampled(DisplayList& out, const View& v, const Scales& s, Color color, Value value,
                Broken broken) {
  const double first = value(v.xmin - s.deltax);
  bool prevFinite = std::isfinite(first);
  double prev = Row(v, s, first);
  for (std::int32_t S = 0; S <= kDrawingWidth; ++S) {
    const double x = v.xmin + S * s.deltax;
    const double y = value(x);
    const bool finite = std::isfinite(y);
    const double py = Row(v, s, y);
    if (prevFinite && finite && !broken(x))
      out.push_back(Line{S - 1, ToPixel(prev), S, ToPixel(py), color});
    prev = py;
    prevFinite = finite;
  }
}

void AddAxes(DisplayList& out, const View& v, const Scales& s) {
  // An axis on the very edge of the view is still drawn, hence no test for exactly zero.
  if (!(v.ymin * v.ymax > 0)) {
    const double ya = kDrawingHeight + kDrawingHeight * v.ymin / s.dy;
    const double tip = kDrawingWidth;
    const double base = tip - kArrowLength;
    out.push_back(LineAt(0, ya, tip, ya));
    out.push_back(LineAt(tip, ya, base, ya - kArrowHalfWidth));
    out.push_back(LineAt(tip, ya, base, ya + kArrowHalfWidth));
  }
  if (!(v.xmin * v.xmax > 0)) {
    const double xa = -s.mx * v.xmin;
    out.push_back(LineAt(xa, 0, xa, kDrawingHeight));
    out.push_back(LineAt(xa, 0, xa - kArrowHalfWidth, kArrowLength));
    out.push_back(LineAt(xa, 0, xa + kArrowHalfWidth, kArrowLength));
  }
}

std::string Corner(double x, double y) {
  return "(" + text::Str(Zahl::Gerundet(1, x)) + ";" + text::Str(Zahl::Gerundet(1, y)) + ")";
}

}  // namespace

std::int32_t ToPixel(double p) {
  if (std::isnan(p)) return static_cast<std::int32_t>(kPixelLimit);
  return text::ToInt32(std::clamp(p, -kPixelLimit, kPixelLimit));
}

DisplayList BuildSketch(const SketchInput& in) {
  const View& v = in.view;
  const Scales s = ScalesOf(v);
  const std::span<const double> gaps(in.gaps.a.data() + 1, in.gaps.a.size() - 1);
  DisplayList out;
  out.reserve(2 * (kDrawingWidth + 1) + gaps.size() + in.criticalX.size() + 8);

  out.push_back(FilledRect{0, 0, kDrawingWidth, kCanvasHeight, kBackground});

  const auto gapBetweenSamples = [&](double x) {
    return std::any_of(gaps.begin(), gaps.end(),
                       [&](double p) { return !((x - p) * ((x - s.deltax) - p) > 0); });
  };
  // Beside a multiple gap the Doubles of an expanded denominator are noise of either sign; a
  // curve drawn from them would jump between the top and the bottom of the canvas.
  const exact::FunctionValue f(in.f);
  AddSampled(
      out, v, s, kCurve, [&](double x) { return f.At(x); }, gapBetweenSamples);

  AddAxes(out, v, s);

  if (in.asymptote != nullptr)
    AddSampled(
        out, v, s, kLines, [&](double x) { return in.asymptote->FWert(x); },
        [](double) { return false; });

  for (double p : gaps) {
    const double c = Column(v, s, p);
    out.push_back(LineAt(c, 0, c, kDrawingHeight));
  }

  for (double x : in.criticalX) {
    const double y = f.At(x);
    if (!std::isfinite(y)) continue;
    constexpr std::int32_t half = kMarkerSize / 2;
    out.push_back(FilledOval{ToPixel(Column(v, s, x)) - half, ToPixel(Row(v, s, y)) - half,
                             kMarkerSize, kMarkerSize, kMarker});
  }
  return out;
}

std::string KooLoText(const View& v) {
  return Corner(v.xmin, v.ymax);
}

std::string KooRuText(const View& v) {
  return Corner(v.xmax, v.ymin);
}

}  // namespace graph
