#pragma once

#include <optional>
#include <vector>

#include "exact/Polynomial.h"

namespace exact {

struct SquareFreeFactor {
  // Integer coefficients without common divisor, positive leading coefficient, no multiple zero.
  Polynomial factor;
  int multiplicity;
  // The real zeros of factor, ascending, kept here by the root finder once it has found them.
  mutable std::optional<std::vector<double>> zeros;
};

// p as c * P1^1 * P2^2 * ... with pairwise coprime square-free Pj of degree 1 or more, in
// ascending multiplicity; empty for a constant p.
std::vector<SquareFreeFactor> SquareFree(const Polynomial& p);

}  // namespace exact
