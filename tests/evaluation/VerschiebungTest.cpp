#include "evaluation/Verschiebung.h"

#include "CoreTest.h"
#include "TestFunctions.h"

namespace {

using VerschiebungTest = CoreTest;

TEST_F(VerschiebungTest, ShiftsByTheVector) {
  struct Case {
    const char* why;
    Koeffizienten zl, nn;
    double a, b;
    Koeffizienten zlDanach, nnDanach;
  };
  const Case cases[] = {
      {"1/x by (2;0): the gap moves to 2", {1}, {0, 1}, 2, 0, {1}, {-2, 1}},
      {"1/x by (0;3): only the numerator changes", {1}, {0, 1}, 0, 3, {1, 3}, {0, 1}},
      {"x^2 by (1;1)", {0, 0, 1}, {1}, 1, 1, {2, -2, 1}, {1}},
      {"x/(x+1) by (1;2): vertical part first", {0, 1}, {1, 1}, 1, 2, {-1, 3}, {0, 1}},
      {"(0;0) changes nothing", {1, 2}, {3, 4}, 0, 0, {1, 2}, {3, 4}},
      {"x by (1e8;0): the powers of h that overflow meet only zero coefficients",
       {0, 1},
       {1},
       1e8,
       0,
       {-1e8, 1},
       {1}},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, c.zl, c.nn);
    EXPECT_TRUE(Auswertung::Verschiebe(f, c.a, c.b)) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Zl), c.zlDanach) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Nn), c.nnDanach) << c.why;
  }
}

TEST_F(VerschiebungTest, RefusesCoefficientsThatAreNotFinite) {
  struct Case {
    const char* why;
    double a, b;
  };
  const Case cases[] = {
      {"a horizontal shift that overflows", 1e200, 0},
      {"a vertical shift that overflows", 0, 1e308},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, {0, 0, 1}, {1e10, 1});
    EXPECT_FALSE(Auswertung::Verschiebe(f, c.a, c.b)) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Zl), (Koeffizienten{0, 0, 1})) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Nn), (Koeffizienten{1e10, 1})) << c.why;
  }
}

}  // namespace
