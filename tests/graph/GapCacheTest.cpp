#include "graph/GapCache.h"

#include <memory>
#include <vector>

#include "CoreTest.h"
#include "TestFunctions.h"
#include "exact/Function.h"
#include "roots/Nullstellen.h"

namespace {

using GapCacheTest = CoreTest;

TEST_F(GapCacheTest, FollowsTheDenominatorChangedInPlace) {
  struct Step {
    const char* why;
    std::initializer_list<double> nn;
    std::vector<double> gaps;
  };
  const Step steps[] = {
      {"start denominator (x+4)(x^2+1)^2", {4, 1, 8, 2, 4, 1}, {-4}},
      {"same coefficients again", {4, 1, 8, 2, 4, 1}, {-4}},
      {"x^2 - 1 in the same object", {-1, 0, 1}, {-1, 1}},
      {"a constant has no gaps", {3}, {}},
      {"the zero polynomial has none either", {}, {}},
      {"back to a known denominator", {4, 1, 8, 2, 4, 1}, {-4}},
  };
  graph::GapCache cache;
  RationalT f;
  f.Zl.Einsen();
  for (const auto& s : steps) {
    Setze(f.Nn, s.nn);
    const ZeroSet& gaps = cache.GapsOf(f);
    ASSERT_EQ(gaps.count(), static_cast<int>(s.gaps.size())) << s.why;
    for (std::size_t i = 0; i < s.gaps.size(); ++i)
      EXPECT_NEAR(gaps[i + 1], s.gaps[i], 1e-9) << s.why;
  }
}

// Doubles alone split the pole of order 8 of 1/(x-1)^8 into points where the denominator drowns in
// rounding noise; its exact terms give the one gap, until the denominator changes in place.
TEST_F(GapCacheTest, ExactTermsDecideAPoleOfHighOrderOnce) {
  const exact::Polynomial nenner = (exact::Polynomial::X() - exact::Polynomial::Constant(1)).Pow(8);
  RationalT f;
  f.Zl.Einsen();
  ASSERT_TRUE(nenner.RoundInto(f.Nn));
  f.exakt = std::make_shared<const exact::Function>(exact::Polynomial::Constant(1), nenner, f);
  graph::GapCache cache;
  EXPECT_EQ(cache.GapsOf(f).points(), std::vector<double>{1});

  f.Nn.Koeff[0] = f.Nn.Koeff[0] + 1;
  ZeroSet doubles;
  Analyse::FindeNullstellen(f.Nn, doubles);
  EXPECT_EQ(cache.GapsOf(f).points(), doubles.points());
}

}  // namespace
