#pragma once

#include <vector>

#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"
#include "exact/SquareFree.h"

namespace Analyse {

struct Linearfaktor {
  double x;
  int vielfachheit;
};

// The real zeros of one square-free factor, ascending; found once, then kept with the factor.
const std::vector<double>& Faktornullstellen(const exact::SquareFreeFactor& f);

// The real zeros of a polynomial given by its square-free decomposition, each found once on the
// factor it is a simple zero of and given that factor's multiplicity; ascending.
std::vector<Linearfaktor> Linearfaktoren(const std::vector<exact::SquareFreeFactor>& zerlegung);

// The same zeros as a zero set, points within 1e-5 of each other merged.
void Nullstellen(const std::vector<exact::SquareFreeFactor>& zerlegung, ZeroSet& Z);

// G := the gaps of f, the zeros of its denominator: exactly where f carries its exact terms.
void Luecken(const RationalT& f, ZeroSet& G);

}  // namespace Analyse
