#include <QApplication>
#include <algorithm>
#include <cmath>
#include <functional>

#include "GraphWindowFixture.h"
#include "graph/Navigation.h"

namespace {

using graph::FilledOval;
using graph::Line;

bool IsFullHeightVertical(const Line& l) {
  return l.x1 == l.x2 && l.y1 == 0 && l.y2 == 260;
}

TEST_F(GraphWindowTest, StartFunctionInItsPlotRange) {
  EXPECT_EQ(window().KooLoT().Text(), "KooLo") << "nothing drawn yet";
  ASSERT_TRUE(window().NeueFunktion);

  const auto list = Drawing();

  const HauptF& w = window();
  EXPECT_EQ(View(), graph::PlotRangeOf(w.RRR));
  EXPECT_FALSE(w.NeueFunktion);
  EXPECT_EQ(w.KooLoT().Text(), "(-4.6;7.1)");
  EXPECT_EQ(w.KooRuT().Text(), "(2.6;0)");
  const double width = w.xmax - w.xmin;
  const double height = w.ymax - w.ymin;
  EXPECT_DOUBLE_EQ(w.deltax, width / 420);
  EXPECT_DOUBLE_EQ(w.mx, 420 / width);
  EXPECT_DOUBLE_EQ(w.dy, height);

  const auto column = [&](double x) { return std::lround(420 * (x - w.xmin) / width); };
  const auto row = [&](double y) { return std::lround(260 * (w.ymax - y) / height); };

  // ymin lies just below 0, so the x axis runs along the bottom row; x = 0 is inside the range.
  const auto black = LinesOf(list, graph::kLines);
  EXPECT_EQ(black[0], (Line{0, 260, 420, 260, graph::kLines}));
  std::vector<Line> verticals;
  std::copy_if(black.begin(), black.end(), std::back_inserter(verticals), IsFullHeightVertical);
  ASSERT_EQ(verticals.size(), 2u) << "the y axis and one gap line";
  EXPECT_EQ(verticals[0].x1, column(0));
  EXPECT_EQ(verticals[1].x1, column(-4));
  EXPECT_EQ(black.back(), verticals[1]) << "gap lines follow the asymptote";

  // Nothing red touches or bridges the gap at x = -4.
  const auto curve = LinesOf(list, graph::kCurve);
  EXPECT_GE(curve.size(), 419u);
  for (const auto& l : curve) {
    const double a = w.xmin + l.x1 * w.deltax + 4;
    const double b = w.xmin + l.x2 * w.deltax + 4;
    EXPECT_GT(a * b, 0) << ::testing::PrintToString(l);
  }

  const auto ovals = Only<FilledOval>(list);
  ASSERT_EQ(ovals.size(), static_cast<std::size_t>(w.KPMenge.count()));
  ASSERT_EQ(w.KPAnzahl, w.KPMenge.count());
  for (int s = 1; s <= w.KPMenge.count(); ++s) {
    const double x = w.KPMenge[s];
    const FilledOval& o = ovals[s - 1];
    EXPECT_EQ(o.color, graph::kMarker);
    EXPECT_NEAR(o.x + 4, column(x), 1) << x;
    EXPECT_NEAR(o.y + 4, row(w.RRR.FWert(x)), 1) << x;
  }
}

TEST_F(GraphWindowTest, ViewWithoutTheXAxis) {
  Drawing();
  SetView({-4, 3, 0.5, 3});

  const auto black = LinesOf(Drawing(), graph::kLines);

  for (const auto& l : black) EXPECT_FALSE(l.x1 == 0 && l.x2 == 420) << "an x axis";
  EXPECT_EQ(View(), (graph::View{-4, 3, 0.5, 3})) << "a drawn view stays";
}

TEST_F(GraphWindowTest, ConstantDenominatorDrawsNoAsymptote) {
  Drawing();
  Analysiere("x^2-1", "1");

  const auto black = LinesOf(Drawing(), graph::kLines);

  EXPECT_EQ(black.size(), 6u) << "both axes, nothing else";
}

TEST_F(GraphWindowTest, PanByTwoClicks) {
  Drawing();
  const graph::View before = View();
  const double w = before.xmax - before.xmin;
  const double h = before.ymax - before.ymin;

  Click(100, 100);
  EXPECT_TRUE(window().BildBewegen);
  EXPECT_EQ(View(), before) << "the first click only marks the start";

  Click(142, 231);
  EXPECT_FALSE(window().BildBewegen);
  EXPECT_TRUE(window().GrafikHalten);
  const graph::View moved{before.xmin - w / 10, before.xmax - w / 10, before.ymin + h / 2,
                          before.ymax + h / 2};
  EXPECT_DOUBLE_EQ(window().xmin, moved.xmin);
  EXPECT_DOUBLE_EQ(window().xmax, moved.xmax);
  EXPECT_DOUBLE_EQ(window().ymin, moved.ymin);
  EXPECT_DOUBLE_EQ(window().ymax, moved.ymax);

  Drawing();
  EXPECT_EQ(View(), (graph::View{window().xmin, window().xmax, window().ymin, window().ymax}));
  EXPECT_DOUBLE_EQ(window().xmin, moved.xmin) << "the drawing of the pan's run keeps the view";
  EXPECT_FALSE(window().GrafikHalten) << "held for that drawing only";
}

TEST_F(GraphWindowTest, PannedNewFunctionKeepsItsViewAfterLaterPaints) {
  Drawing();
  window().EingF().SetText("x^2-9");
  ASSERT_TRUE(window().NeueFunktion);
  Click(0, 0);
  Click(42, 0);
  const graph::View panned = View();

  Drawing();
  Drawing();  // the toolkit's own paints, for example when the window is uncovered
  EXPECT_EQ(View(), panned);
  EXPECT_FALSE(window().NeueFunktion);
  EXPECT_FALSE(window().GrafikHalten);

  Wheel(120);
  Drawing();
  graph::View zoomed = panned;
  graph::ZoomByWheel(zoomed, 1);
  EXPECT_EQ(View(), zoomed) << "the zoom starts from the panned view";

  // The next edited function is followed again.
  Analysiere("x^2-16", "1");
  Drawing();
  EXPECT_EQ(View(), graph::PlotRangeOf(window().RRR));
}

TEST_F(GraphWindowTest, PanWhoseRunFailsStillRepaints) {
  ShowAndPaint();
  ASSERT_FALSE(window().NeueFunktion) << "the first paint adopted the plot range";
  const graph::View before = View();
  window().EingF().SetText("x**2");

  Click(0, 0);
  Click(42, 0);

  ASSERT_EQ(window().EingF().TextColor(), QColor(224, 80, 0)) << "the pan's run was refused";
  EXPECT_NE(View(), before);
  EXPECT_TRUE(window().GrafikHalten);
  // Only a paint releases the held view; the one the pan asked for is delivered now.
  QApplication::processEvents();
  EXPECT_FALSE(window().GrafikHalten);
}

TEST_F(GraphWindowTest, ZoomWithAnEditNotYetAnalysedShowsTheStoredPlotRange) {
  Drawing();
  struct Case {
    const char* why;
    const char* getippt;
    std::function<void()> zoom;
  };
  const Case cases[] = {
      {"wheel", "x^2-9", [&] { Wheel(120); }},
      {"arrow", "x^2-16", [&] { emit control<UpDownArrows>("HZoomArrows").Up(); }},
  };
  for (const auto& c : cases) {
    SetView({-1, 1, -1, 1});
    window().EingF().SetText(c.getippt);
    ASSERT_TRUE(window().NeueFunktion) << c.why;
    c.zoom();
    Drawing();
    EXPECT_EQ(View(), graph::PlotRangeOf(window().RRR)) << c.why << ": the zoom does not show";
    EXPECT_FALSE(window().NeueFunktion) << c.why;
  }
}

TEST_F(GraphWindowTest, LeavingTheCanvasForgetsThePanStart) {
  Drawing();
  const graph::View before = View();

  Click(10, 10);
  Leave();
  Click(200, 200);

  EXPECT_EQ(View(), before);
  EXPECT_TRUE(window().BildBewegen) << "the second click started a new pan";
}

TEST_F(GraphWindowTest, WheelZoom) {
  struct Case {
    const char* why;
    int angleDelta;
    graph::View after;
  };
  const graph::View start{-5, 5, -11, 11};
  const Case cases[] = {
      {"one notch in", 120, {-5 + 10.0 / 11, 5 - 10.0 / 11, -9, 9}},
      {"one notch out", -120, {-5 - 10.0 / 12, 5 + 10.0 / 12, -11 - 22.0 / 12, 11 + 22.0 / 12}},
      {"ten notches in are five", 1200, {-5 + 50.0 / 11, 5 - 50.0 / 11, -1, 1}},
      {"half a notch of a high-resolution wheel", 60, {-5 + 5.0 / 11, 5 - 5.0 / 11, -10, 10}},
      {"ten notches out are five",
       -1200,
       {-5 - 50.0 / 12, 5 + 50.0 / 12, -11 - 110.0 / 12, 11 + 110.0 / 12}},
  };
  Drawing();
  for (const auto& c : cases) {
    SetView(start);
    Wheel(c.angleDelta);
    EXPECT_NEAR(window().xmin, c.after.xmin, 1e-12) << c.why;
    EXPECT_NEAR(window().xmax, c.after.xmax, 1e-12) << c.why;
    EXPECT_NEAR(window().ymin, c.after.ymin, 1e-12) << c.why;
    EXPECT_NEAR(window().ymax, c.after.ymax, 1e-12) << c.why;
  }
}

TEST_F(GraphWindowTest, HorizontalZoomArrows) {
  Drawing();
  SetView({-10, 12, -3, 7});
  auto& arrows = control<UpDownArrows>("HZoomArrows");

  emit arrows.Up();
  EXPECT_DOUBLE_EQ(window().xmax - window().xmin, 18);
  emit arrows.Down();
  EXPECT_DOUBLE_EQ(window().xmax - window().xmin, 21);
  EXPECT_DOUBLE_EQ(window().xmin + window().xmax, 2) << "centred as before";
  EXPECT_EQ(window().ymin, -3);
  EXPECT_EQ(window().ymax, 7);
}

TEST_F(GraphWindowTest, PointerReadout) {
  Drawing();
  HauptF& w = window();
  const std::vector<QWidget*> readout{&w.xKoF(), &w.yKoF(), &w.xKoL(), &w.yKoL(), &w.Mauszeiger()};
  for (QWidget* c : readout) ASSERT_TRUE(c->isHidden());

  Enter();
  for (QWidget* c : readout) EXPECT_FALSE(c->isHidden()) << c->objectName().toStdString();

  struct Case {
    const char* why;
    int X, Y;
    const char* x;
    const char* y;
  };
  const Case cases[] = {
      {"top-left corner", 0, 0, "-4.6", "7.14"},
      {"bottom-right of the drawing", 420, 260, "2.6", "0"},
      {"below the drawing height", 210, 262, "-1", "-0.06"},
  };
  for (const auto& c : cases) {
    Move(c.X, c.Y);
    EXPECT_EQ(w.xKoF().Text(), c.x) << c.why;
    EXPECT_EQ(w.yKoF().Text(), c.y) << c.why;
  }

  Leave();
  for (QWidget* c : readout) EXPECT_TRUE(c->isHidden()) << c->objectName().toStdString();
  EXPECT_EQ(w.xKoF().Text(), "");
  EXPECT_EQ(w.yKoF().Text(), "");
}

}  // namespace
