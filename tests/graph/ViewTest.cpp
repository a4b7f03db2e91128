#include "graph/View.h"

#include <cmath>
#include <limits>

#include "CoreTest.h"

namespace {

using graph::View;

using ViewTest = CoreTest;

TEST_F(ViewTest, ScalesOfAView) {
  const graph::Scales s = graph::ScalesOf({-5, 16, -1, 3});
  EXPECT_DOUBLE_EQ(s.deltax, 0.05);
  EXPECT_DOUBLE_EQ(s.mx, 20);
  EXPECT_EQ(s.dy, 4);
}

TEST_F(ViewTest, UsableViews) {
  struct Case {
    const char* why;
    View view;
    bool usable;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"the default view", {}, true},
      {"zero width", {2, 2, -1, 1}, false},
      {"mirrored", {1, -1, -1, 1}, false},
      {"zero height", {-1, 1, 3, 3}, false},
      {"infinite edge", {-inf, 1, -1, 1}, false},
      {"width beyond the largest double", {-1e308, 1e308, -1, 1}, false},
      {"not a number", {std::nan(""), 1, -1, 1}, false},
      {"so narrow that the columns per unit overflow", {0, 1e-307, -1, 1}, false},
      {"narrow but still scalable", {0, 1e-300, -1, 1}, true},
  };
  for (const auto& c : cases) EXPECT_EQ(graph::IsUsable(c.view), c.usable) << c.why;
}

TEST_F(ViewTest, ChooseView) {
  struct Case {
    const char* why;
    bool neu, halten;
    View plot;
    View view;
    bool neuAfter;
  };
  const View shown{-1, 1, -2, 2};
  const View plot{-7, 3, -4, 5};
  const Case cases[] = {
      {"a new function adopts its plot range", true, false, plot, plot, false},
      {"an unchanged function keeps the view", false, false, plot, shown, false},
      {"a held view is kept and the new function consumed", true, true, plot, shown, false},
      {"a held view without a new function is released", false, true, plot, shown, false},
      {"a plot range the analysis never wrote is not adopted",
       true,
       false,
       {0, 0, 0, 0},
       shown,
       true},
  };
  for (const auto& c : cases) {
    RationalT f;
    f.xmin = c.plot.xmin;
    f.xmax = c.plot.xmax;
    f.ymin = c.plot.ymin;
    f.ymax = c.plot.ymax;
    View v = shown;
    bool neu = c.neu;
    bool halten = c.halten;
    graph::ChooseView(v, neu, halten, f);
    EXPECT_EQ(v, c.view) << c.why;
    EXPECT_EQ(neu, c.neuAfter) << c.why;
    EXPECT_FALSE(halten) << c.why;
  }
}

TEST_F(ViewTest, HeldViewLastsOneDrawing) {
  // A pan holds the view for the drawing of its evaluation run; a wheel paint after it must not
  // jump to the plot range that run computed.
  RationalT f;
  f.xmin = -7;
  f.xmax = 3;
  f.ymin = -4;
  f.ymax = 5;
  View v{-1, 1, -2, 2};
  bool neu = true;
  bool halten = true;
  graph::ChooseView(v, neu, halten, f);
  graph::ChooseView(v, neu, halten, f);
  EXPECT_EQ(v, (View{-1, 1, -2, 2}));

  neu = true;  // the user edits a term field: the next new function is followed again
  graph::ChooseView(v, neu, halten, f);
  EXPECT_EQ(v, (View{-7, 3, -4, 5}));
}

}  // namespace
