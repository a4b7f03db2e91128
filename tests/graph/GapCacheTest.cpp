#include "graph/GapCache.h"

#include <vector>

#include "CoreTest.h"
#include "TestFunctions.h"

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
  PolynomT nn;
  for (const auto& s : steps) {
    Setze(nn, s.nn);
    const ZeroSet& gaps = cache.GapsOf(nn);
    ASSERT_EQ(gaps.count(), static_cast<int>(s.gaps.size())) << s.why;
    for (std::size_t i = 0; i < s.gaps.size(); ++i)
      EXPECT_NEAR(gaps[i + 1], s.gaps[i], 1e-9) << s.why;
  }
}

}  // namespace
