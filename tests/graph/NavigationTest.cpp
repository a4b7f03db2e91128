#include "graph/Navigation.h"

#include <cmath>
#include <string>

#include "CoreTest.h"

namespace {

using graph::View;

using NavigationTest = CoreTest;

void ExpectView(const View& got, const View& want, const char* why) {
  EXPECT_NEAR(got.xmin, want.xmin, 1e-12) << why;
  EXPECT_NEAR(got.xmax, want.xmax, 1e-12) << why;
  EXPECT_NEAR(got.ymin, want.ymin, 1e-12) << why;
  EXPECT_NEAR(got.ymax, want.ymax, 1e-12) << why;
}

TEST_F(NavigationTest, PanByTwoClicks) {
  struct Case {
    const char* why;
    int oldx, oldy, x, y;
    View after;
  };
  // A view 10 wide and 2 high: 42 columns are one tenth of the width, 131 rows half the height.
  const View start{-5, 5, -1, 1};
  const Case cases[] = {
      {"same point does not move", 100, 100, 100, 100, start},
      {"picture follows the pointer right, so the view moves left",
       100,
       50,
       142,
       50,
       {-6, 4, -1, 1}},
      {"131 rows down moves the view up by half its height", 10, 0, 10, 131, {-5, 5, 0, 2}},
      {"up and left at once", 200, 200, 158, 69, {-4, 6, -2, 0}},
  };
  for (const auto& c : cases) {
    View v = start;
    graph::Pan(v, c.oldx, c.oldy, c.x, c.y);
    ExpectView(v, c.after, c.why);
  }
}

TEST_F(NavigationTest, PanThatWouldOverflowKeepsTheView) {
  const View start{-5e307, 1.7e308, -1, 1};
  View v = start;
  graph::Pan(v, 0, 0, -420, 0);
  EXPECT_EQ(v, start);
}

TEST_F(NavigationTest, WheelZoom) {
  struct Case {
    const char* why;
    double notches;
    View after;
  };
  // 10 wide and 22 high: one notch in moves each edge by 10/11 and 2; one notch out by 10/12
  // and 22/12.
  const View start{-5, 5, -11, 11};
  const Case cases[] = {
      {"one notch in", 1, {-5 + 10.0 / 11, 5 - 10.0 / 11, -9, 9}},
      {"one notch out", -1, {-5 - 10.0 / 12, 5 + 10.0 / 12, -11 - 22.0 / 12, 11 + 22.0 / 12}},
      {"ten notches in are capped at five", 10, {-5 + 50.0 / 11, 5 - 50.0 / 11, -1, 1}},
      {"ten notches out are capped at five",
       -10,
       {-5 - 50.0 / 12, 5 + 50.0 / 12, -11 - 110.0 / 12, 11 + 110.0 / 12}},
      {"half a notch of a high-resolution wheel", 0.5, {-5 + 5.0 / 11, 5 - 5.0 / 11, -10, 10}},
      {"no turn leaves the view", 0, start},
      {"a turn that is not a number leaves the view", std::nan(""), start},
  };
  for (const auto& c : cases) {
    View v = start;
    graph::ZoomByWheel(v, c.notches);
    ExpectView(v, c.after, c.why);
  }
}

TEST_F(NavigationTest, ZoomIntoAnUnusableViewIsRefused) {
  struct Case {
    const char* why;
    View start;
    double notches;
  };
  const Case cases[] = {
      {"out until the width overflows", {-5e307, 5e307, -1, 1}, -5},
      {"in until the scale overflows", {0, 1e-305, -1, 1}, 5},
      {"in until the height scale overflows", {-1, 1, 0, 1e-305}, 5},
  };
  for (const auto& c : cases) {
    View v = c.start;
    graph::ZoomByWheel(v, c.notches);
    EXPECT_EQ(v, c.start) << c.why;
  }
}

TEST_F(NavigationTest, HorizontalZoomArrowsKeepTheCentreAndTheYRange) {
  struct Case {
    const char* why;
    void (*steps)(View&);
    double width;
  };
  const Case cases[] = {
      {"up leaves 9/11", [](View& v) { graph::ZoomInHorizontally(v); }, 22 * 9.0 / 11},
      {"down gives 14/12", [](View& v) { graph::ZoomOutHorizontally(v); }, 22 * 14.0 / 12},
      {"up then down is not a round trip: 21/22",
       [](View& v) {
         graph::ZoomInHorizontally(v);
         graph::ZoomOutHorizontally(v);
       },
       21},
  };
  for (const auto& c : cases) {
    View v{-10, 12, -3, 7};
    c.steps(v);
    EXPECT_DOUBLE_EQ(v.xmax - v.xmin, c.width) << c.why;
    EXPECT_DOUBLE_EQ((v.xmin + v.xmax) / 2, 1) << c.why;
    EXPECT_EQ(v.ymin, -3) << c.why;
    EXPECT_EQ(v.ymax, 7) << c.why;
  }
}

TEST_F(NavigationTest, HorizontalZoomIntoAnUnusableViewIsRefused) {
  // 420 columns over less than about 2.3e-306 x units would overflow the columns per unit.
  const View tiny{0, 2.5e-306, -1, 1};
  View v = tiny;
  graph::ZoomInHorizontally(v);
  EXPECT_EQ(v, tiny);

  const View huge{-8e307, 8e307, -1, 1};
  v = huge;
  graph::ZoomOutHorizontally(v);
  EXPECT_EQ(v, huge);
}

TEST_F(NavigationTest, PointerReadout) {
  struct Case {
    const char* why;
    int X, Y;
    const char* x;
    const char* y;
  };
  // The view -6.3 .. 7.35 by -2 .. 4.5 as the last drawing scaled it.
  const double xmin = -6.3, deltax = 13.65 / 420, ymin = -2, dy = 6.5;
  const Case cases[] = {
      {"top-left corner reads xmin and ymax", 0, 0, "-6.3", "4.5"},
      {"bottom-right of the drawing reads xmax and ymin", 420, 260, "7.35", "-2"},
      {"two decimals", 100, 77, "-3.05", "2.58"},
      {"the two rows below the drawing read below ymin", 0, 262, "-6.3", "-2.05"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(graph::xKoText(xmin, deltax, c.X), c.x) << c.why;
    EXPECT_EQ(graph::yKoText(ymin, dy, c.Y), c.y) << c.why;
  }
}

}  // namespace
