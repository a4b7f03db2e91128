#pragma once

#include <array>

#include "algebra/PolynomT.h"
#include "algebra/ZeroSet.h"

namespace graph {

// The gaps of f are the zeros of its denominator: every paint needs them, but they change only
// with the denominator, never with the view. The denominator object changes in place, so the
// cache keys on its exact coefficients rather than on the object.
class GapCache {
 public:
  const ZeroSet& GapsOf(const PolynomT& Nn);

 private:
  bool filled_ = false;
  std::array<double, PolynomT::kMaxGrad + 1> koeff_{};
  ZeroSet gaps_;
};

}  // namespace graph
