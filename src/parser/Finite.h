#pragma once

#include <algorithm>
#include <cmath>

namespace Parser {

// A coefficient that is not finite would be written as a text no parser stage reads back.
template <typename Coefficients>
bool AllFinite(const Coefficients& c) {
  return std::all_of(c.begin(), c.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace Parser
