#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "GraphWindowFixture.h"

namespace {

using graph::FilledOval;
using graph::Line;

QColor ToQColor(graph::Color c) {
  return QColor(c.r, c.g, c.b);
}

// A line two pixels wide covers its end point and one neighbour; which one is the painter's choice.
bool AnyNear(const QImage& image, int x, int y, const QColor& color) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (image.valid(x + dx, y + dy) && image.pixelColor(x + dx, y + dy) == color) return true;
  return false;
}

TEST_F(GraphWindowTest, CanvasShowsTheDrawing) {
  ShowAndPaint();
  ASSERT_FALSE(window().NeueFunktion) << "the toolkit's first paint drew the start function";
  const auto list = Drawing();  // the same picture again, to know where things are
  const QImage image = canvas().grab().toImage();
  ASSERT_EQ(image.size(), QSize(420, 262));

  EXPECT_EQ(image.pixelColor(2, 2), ToQColor(graph::kBackground));
  const Line gap = LinesOf(list, graph::kLines).back();
  EXPECT_EQ(image.pixelColor(gap.x1, 40), ToQColor(graph::kLines));
  const FilledOval marker = Only<FilledOval>(list).front();
  EXPECT_EQ(image.pixelColor(marker.x + 4, marker.y + 4), ToQColor(graph::kMarker));
  // The curve at x = -0.8, rising between two markers, clear of the axes and the asymptote.
  const auto curve = LinesOf(list, graph::kCurve);
  const auto at =
      std::find_if(curve.begin(), curve.end(), [](const Line& l) { return l.x2 == 222; });
  ASSERT_NE(at, curve.end());
  EXPECT_TRUE(AnyNear(image, at->x2, at->y2, ToQColor(graph::kCurve)));
}

// The lowest canvas row at which a curve pixel is still on or above the x axis: the axis row and
// the neighbour its two-pixel pen may cover.
int LowestRowAboveTheAxis(const HauptF& w) {
  const double ya = 260 + 260 * w.ymin / (w.ymax - w.ymin);
  return static_cast<int>(std::floor(std::min(ya, 1e6))) + 1;
}

// The curve pixels below row lowest, each as "column,row".
std::vector<std::string> CurvePixelsBelow(const QImage& image, int lowest) {
  std::vector<std::string> below;
  for (int y = std::max(lowest + 1, 0); y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == ToQColor(graph::kCurve))
        below.push_back(std::to_string(x) + "," + std::to_string(y));
  return below;
}

// Positive on both sides of a pole of high order: beside it the expanded denominator's Doubles
// are rounding noise of either sign, and nothing of the curve may come from that sign.
TEST_F(GraphWindowTest, NoCurveBelowTheAxisBesideAPoleOfHighOrder) {
  struct Case {
    const char* zaehler;
    const char* nenner;
  };
  const Case cases[] = {
      {"1", "(x-1.25)^14"},    {"x^2", "(x-1)^10"}, {"1", "(x-0.5)^12"},
      {"3", "(x+2)^8(x^2+1)"}, {"1", "(x-1)^10"},
  };
  ShowAndPaint();
  for (const auto& c : cases) {
    const std::string f = std::string(c.zaehler) + " over " + c.nenner;
    Analysiere(c.zaehler, c.nenner);
    for (int step = 0; step <= 3; ++step) {
      if (step > 0) Wheel(120);
      const QImage image = canvas().grab().toImage();
      const int lowest = LowestRowAboveTheAxis(window());
      if (step == 0) {
        ASSERT_LT(lowest, 262) << f << ": the x axis lies in the first view";
      }
      EXPECT_EQ(CurvePixelsBelow(image, lowest), std::vector<std::string>{})
          << f << " after " << step << " wheel steps in";
    }
  }
}

TEST_F(GraphWindowTest, WritesTheWindowWithTheStartFunctionAsPng) {
  ShowAndPaint();
  const QImage image = window().grab().toImage();
  const QString path = QStringLiteral(VARELTO_SCREENSHOT_DIR "/graph.png");
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  EXPECT_TRUE(image.save(path)) << path.toStdString();
}

}  // namespace

// Before the open event there is nothing to draw: the canvas stays as the toolkit leaves it.
TEST_F(WindowTest, PaintBeforeInitDrawsNothing) {
  window().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
  const QImage image = window().GraphCanvas().grab().toImage();
  EXPECT_EQ(window().KooLoT().Text(), "KooLo");
  EXPECT_EQ(window().KooRuT().Text(), "KooRu");
  EXPECT_NE(image.pixelColor(2, 2), QColor(240, 255, 255));
}
