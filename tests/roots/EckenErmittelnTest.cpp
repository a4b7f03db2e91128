#include <vector>

#include "RootsTestSupport.h"

namespace {

using EckenErmittelnTest = CoreTest;

struct Range {
  double xmin;
  double xmax;
  double ymin;
  double ymax;
};

void ExpectRange(double xmin, double xmax, double ymin, double ymax, const Range& e,
                 const char* why) {
  EXPECT_NEAR(xmin, e.xmin, 1e-12) << why;
  EXPECT_NEAR(xmax, e.xmax, 1e-12) << why;
  EXPECT_NEAR(ymin, e.ymin, 1e-12) << why;
  EXPECT_NEAR(ymax, e.ymax, 1e-12) << why;
  EXPECT_LT(xmin, xmax) << why;
  EXPECT_LT(ymin, ymax) << why;
}

struct RationalCase {
  const char* why;
  std::vector<double> zl;
  std::vector<double> nn;
  Range expected;
};

TEST_F(EckenErmittelnTest, PlotRangesOfRationalFunctions) {
  const RationalCase cases[] = {
      {"zeros replace the default interval", {-1, 0, 1}, {1}, {-1.2, 1.2, -1, 0.44}},
      {"no zero, one gap, height below 1 widened", {1}, {0, 1}, {-6, 6, -7.0 / 6, 5.0 / 6}},
      {"single zero: margin 1; ymax 0 moves up", {0, 1}, {1}, {-1, 1, -1, 0.05}},
      {"ymin 0 moves down", {0, 0, 1}, {1}, {-1, 1, -0.05, 1}},
      {"zero function", {}, {1}, {-6, 6, -1, 1}},
      {"no zero and no gap", {1, 0, 1}, {1}, {-6, 6, 1, 37}},
      {"constant", {5}, {1}, {-6, 6, 4, 6}},
      {"a gap widens, never narrows", {1}, {8, 1}, {-9.3, 6.3, -1 - 1 / 1.3, 1 - 1 / 1.3}},
      {"zeros away from the origin", {120, -22, 1}, {1}, {9.8, 12.2, -1, 0.44}},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f.Zl, c.zl);
    Setze(f.Nn, c.nn);
    SetzeRR(kontext, f);
    f.EckenErmitteln();
    ExpectRange(f.xmin, f.xmax, f.ymin, f.ymax, c.expected, c.why);
  }
}

TEST_F(EckenErmittelnTest, StartFunction) {
  RationalT f;
  SetzeStartfunktion(f);
  SetzeRR(kontext, f);
  f.EckenErmitteln();
  EXPECT_DOUBLE_EQ(f.xmin, -4.6);
  EXPECT_DOUBLE_EQ(f.xmax, 2.6);
  EXPECT_NEAR(f.ymin, -0.0035, 5e-5);
  EXPECT_NEAR(f.ymax, 7.1432, 5e-5);
}

struct PolynomCase {
  const char* why;
  std::vector<double> p;
  std::vector<double> points;
  Range expected;
};

TEST_F(EckenErmittelnTest, PlotRangesOfPolynomials) {
  const PolynomCase cases[] = {
      {"zero constant", {0}, {}, {-1, 1, -1, 1}},
      {"negative constant", {-2}, {}, {-1, 1, -2.2, 0.2}},
      {"positive constant", {3}, {}, {-1, 1, -0.3, 3.3}},
      {"linear with positive zero", {-4, 2}, {}, {-2, 4, -8, 4}},
      {"linear with zero 0", {0, 1}, {}, {-2, 2, -2, 2}},
      {"linear with negative zero", {1, 1}, {}, {-2, 1, -1, 2}},
      {"ymin 0 mirrored, then widened by a tenth", {-1, 0, 1}, {-1, 1}, {-1.2, 1.2, -0.484, 0.484}},
      {"single point: margin 1", {0, 0, 1}, {0}, {-1, 1, -1.1, 1.1}},
      {"no point: the range of the point 0", {1, 0, 1}, {}, {-1, 1, 1, 3}},
  };
  for (const auto& c : cases) {
    PolynomT p;
    Setze(p, c.p);
    ZeroSet a;
    a.assign(c.points);
    p.EckenErmitteln(a);
    ExpectRange(p.xmin, p.xmax, p.ymin, p.ymax, c.expected, c.why);
  }
}

}  // namespace
