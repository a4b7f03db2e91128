#pragma once

#include <array>

#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"

namespace graph {

// The gaps of f are the zeros of its denominator: every paint needs them, but they change only
// with the denominator, never with the view. The denominator object changes in place, so the
// cache keys on its exact coefficients rather than on the object, and on whether f carries its
// exact terms, which decide multiple gaps.
class GapCache {
 public:
  const ZeroSet& GapsOf(const RationalT& f);

 private:
  bool filled_ = false;
  bool exakt_ = false;
  std::array<double, PolynomT::kMaxGrad + 1> koeff_{};
  ZeroSet gaps_;
};

}  // namespace graph
