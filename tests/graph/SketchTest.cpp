#include "graph/Sketch.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CoreTest.h"
#include "DisplayListQueries.h"
#include "TestFunctions.h"
#include "algebra/ZeroSet.h"

namespace {

using graph::FilledOval;
using graph::FilledRect;
using graph::Line;
using graph::View;

using SketchTest = CoreTest;

ZeroSet Points(const std::vector<double>& p) {
  ZeroSet z;
  z.assign(p);
  return z;
}

// Every number here is exact in binary: 32 columns per x unit, 32.5 rows per y unit, the gap at
// x = -4 falls on column 64.25, between two samples.
Line Black(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return {x1, y1, x2, y2, graph::kLines};
}

constexpr View kStartView{-6.0078125, 7.1171875, -4, 4};

TEST_F(SketchTest, StartFunctionInItsView) {
  RationalT f;
  SetzeStartfunktion(f);
  PolynomT asymptote;
  Setze(asymptote, {1});
  const ZeroSet gaps = Points({-4});
  const std::vector<double> critical{-2, 1};

  const auto list = graph::BuildSketch({kStartView, f, &asymptote, gaps, critical});

  ASSERT_FALSE(list.empty());
  EXPECT_EQ(std::get<FilledRect>(list.front()), (FilledRect{0, 0, 420, 262, graph::kBackground}));

  // 421 samples give 421 segments, less the one that would bridge the gap.
  const auto curve = LinesOf(list, graph::kCurve);
  EXPECT_EQ(curve.size(), 420u);
  for (const auto& l : curve) {
    EXPECT_EQ(l.x2, l.x1 + 1);
    EXPECT_NE(l.x1, 64) << "segment across the gap";
    EXPECT_EQ(l.pen, 2);
  }

  const auto black = LinesOf(list, graph::kLines);
  const std::vector<Line> axesAndGap{
      {0, 130, 420, 130, graph::kLines},   {420, 130, 410, 125, graph::kLines},
      {420, 130, 410, 135, graph::kLines}, {192, 0, 192, 260, graph::kLines},
      {192, 0, 187, 10, graph::kLines},    {192, 0, 197, 10, graph::kLines},
  };
  ASSERT_EQ(black.size(), axesAndGap.size() + 421 + 1);
  EXPECT_EQ(std::vector<Line>(black.begin(), black.begin() + 6), axesAndGap);
  // The asymptote y = 1 lies on row 97.5, rounded half away from zero.
  for (std::size_t i = 6; i < 6 + 421; ++i) {
    EXPECT_EQ(black[i].y1, 98);
    EXPECT_EQ(black[i].y2, 98);
  }
  EXPECT_EQ(black.back(), (Line{64, 0, 64, 260, graph::kLines}));

  // f(-2) = -0.24 and f(1) = 0.3; each marker is centred on its point.
  EXPECT_EQ(Only<FilledOval>(list), (std::vector<FilledOval>{{124, 134, 8, 8, graph::kMarker},
                                                             {220, 116, 8, 8, graph::kMarker}}));
}

TEST_F(SketchTest, AxesOnlyWhereZeroIsInTheView) {
  const Line xAxis = Black(0, 130, 420, 130);
  const Line xTop = Black(420, 130, 410, 125);
  const Line xBottom = Black(420, 130, 410, 135);
  struct Case {
    const char* why;
    View view;
    std::vector<Line> axes;
  };
  const Case cases[] = {
      {"both axes through the middle",
       {-2, 2, -1, 1},
       {xAxis, xTop, xBottom, Black(210, 0, 210, 260), Black(210, 0, 205, 10),
        Black(210, 0, 215, 10)}},
      {"x axis on the bottom edge is still drawn",
       {1, 3, 0, 2},
       {Black(0, 260, 420, 260), Black(420, 260, 410, 255), Black(420, 260, 410, 265)}},
      {"x axis on the top edge is still drawn",
       {1, 3, -2, 0},
       {Black(0, 0, 420, 0), Black(420, 0, 410, -5), Black(420, 0, 410, 5)}},
      {"view above the x axis",
       {-2, 2, 0.5, 3},
       {Black(210, 0, 210, 260), Black(210, 0, 205, 10), Black(210, 0, 215, 10)}},
      {"view below the x axis", {1, 3, -3, -0.5}, {}},
      {"view right of the y axis", {1, 3, -1, 1}, {xAxis, xTop, xBottom}},
  };
  RationalT f;
  Setze(f.Zl, {1});
  Setze(f.Nn, {1});
  const ZeroSet none;
  for (const auto& c : cases) {
    const auto black = LinesOf(graph::BuildSketch({c.view, f, nullptr, none, {}}), graph::kLines);
    EXPECT_EQ(black, c.axes) << c.why;
  }
}

TEST_F(SketchTest, CurveBreaksAtTheGapOfOneOverX) {
  RationalT f;
  Setze(f.Zl, {1});
  Setze(f.Nn, {0, 1});
  const ZeroSet gaps = Points({0});
  const View view{-5, 5, -5, 5};

  const auto list = graph::BuildSketch({view, f, nullptr, gaps, {}});

  // The two branches lie on opposite sides of the x axis row; nothing may join them.
  const auto curve = LinesOf(list, graph::kCurve);
  EXPECT_GE(curve.size(), 419u);
  for (const auto& l : curve) EXPECT_EQ(l.y1 < 130, l.y2 < 130) << ::testing::PrintToString(l);
  // The gap line coincides with the y axis.
  const auto black = LinesOf(list, graph::kLines);
  EXPECT_EQ(black.back(), (Line{210, 0, 210, 260, graph::kLines}));
  EXPECT_EQ(black[3], black.back());
}

TEST_F(SketchTest, SampleOnAPoleDrawsNoSegment) {
  // Without the gap test only the infinite value itself keeps the curve from jumping.
  RationalT f;
  Setze(f.Zl, {1});
  Setze(f.Nn, {0, 1});
  const ZeroSet none;
  const View view{-210, 210, -1, 1};  // column 210 samples x = 0 exactly

  const auto curve = LinesOf(graph::BuildSketch({view, f, nullptr, none, {}}), graph::kCurve);

  EXPECT_EQ(curve.size(), 419u);
  for (const auto& l : curve)
    EXPECT_TRUE(l.x2 != 210 && l.x1 != 210) << ::testing::PrintToString(l);
}

TEST_F(SketchTest, PolynomialHasNoGapsAndAnUnbrokenCurve) {
  RationalT f;
  Setze(f.Zl, {0, 0, 1});
  Setze(f.Nn, {1});
  const ZeroSet none;

  const auto list = graph::BuildSketch({View{-2, 2, -1, 5}, f, nullptr, none, {}});

  EXPECT_EQ(LinesOf(list, graph::kCurve).size(), 421u);
  EXPECT_EQ(LinesOf(list, graph::kLines).size(), 6u) << "axes only";
  EXPECT_TRUE(Only<FilledOval>(list).empty());
}

TEST_F(SketchTest, ZeroAsymptoteOfAProperFractionLiesOnTheXAxis) {
  RationalT f;
  Setze(f.Zl, {1});
  Setze(f.Nn, {1, 0, 1});
  PolynomT zero;
  const ZeroSet none;

  const auto black =
      LinesOf(graph::BuildSketch({View{-2, 2, -1, 1}, f, &zero, none, {}}), graph::kLines);

  ASSERT_EQ(black.size(), 6u + 421u);
  for (std::size_t i = 6; i < black.size(); ++i) {
    EXPECT_EQ(black[i].y1, 130);
    EXPECT_EQ(black[i].y2, 130);
  }
}

TEST_F(SketchTest, ValuesFarBeyondTheViewStayInsidePixelRange) {
  struct Case {
    const char* why;
    std::initializer_list<double> zl;
    std::initializer_list<double> nn;
    std::size_t segments;
  };
  const Case cases[] = {
      {"x^12 leaves the canvas at the top", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {1}, 421},
      {"value overflows to infinity everywhere", {1e300}, {1e-300}, 0},
      {"finite value whose row overflows is pinned", {1e308}, {1}, 421},
      {"zero denominator makes every value not a number", {1}, {}, 0},
  };
  const ZeroSet none;
  const std::vector<double> critical{0, 1e300};
  for (const auto& c : cases) {
    RationalT f;
    Setze(f.Zl, c.zl);
    Setze(f.Nn, c.nn);
    const auto list = graph::BuildSketch({View{-5, 5, -1, 1}, f, nullptr, none, critical});
    EXPECT_EQ(LinesOf(list, graph::kCurve).size(), c.segments) << c.why;
    for (const auto& l : Only<Line>(list)) {
      for (int v : {l.x1, l.y1, l.x2, l.y2}) {
        EXPECT_LE(std::abs(v), 100000) << c.why;
      }
    }
  }
}

TEST_F(SketchTest, MarkerOfAPointOutsideTheViewIsOffTheCanvas) {
  RationalT f;
  Setze(f.Zl, {0, 1});
  Setze(f.Nn, {1});
  const ZeroSet none;
  const std::vector<double> critical{50};

  const auto ovals =
      Only<FilledOval>(graph::BuildSketch({View{-5, 5, -5, 5}, f, nullptr, none, critical}));

  ASSERT_EQ(ovals.size(), 1u);
  EXPECT_GT(ovals[0].x, 420);
  EXPECT_LT(ovals[0].y + ovals[0].height, 0);
}

TEST_F(SketchTest, PixelConversionNeverOverflows) {
  struct Case {
    const char* why;
    double p;
    std::int32_t pixel;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"inside rounds to nearest", 12.4, 12},
      {"half rounds away from zero", -2.5, -3},
      {"far below is pinned", -1e300, -100000},
      {"far above is pinned", 3e12, 100000},
      {"infinity is pinned", inf, 100000},
      {"minus infinity is pinned", -inf, -100000},
      {"not a number lands off the canvas", std::nan(""), 100000},
  };
  for (const auto& c : cases) EXPECT_EQ(graph::ToPixel(c.p), c.pixel) << c.why;
}

TEST_F(SketchTest, CornerLabels) {
  struct Case {
    const char* why;
    View view;
    const char* lo;
    const char* ru;
  };
  const Case cases[] = {
      {"one decimal", kStartView, "(-6;4)", "(7.1;-4)"},
      {"halves round away from zero, minus zero is 0",
       {-0.04, 12.25, 0.5, 1e6},
       "(0;1000000)",
       "(12.3;0.5)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(graph::KooLoText(c.view), c.lo) << c.why;
    EXPECT_EQ(graph::KooRuText(c.view), c.ru) << c.why;
  }
}

}  // namespace
