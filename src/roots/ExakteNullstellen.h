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

// The same for an exact polynomial, through its square-free decomposition.
void Nullstellen(const exact::Polynomial& p, ZeroSet& Z);

// Z := the real zeros of f's numerator (term 0) or denominator (term 1, the gaps of f), found on
// the exact decomposition where f carries its exact terms.
void Termnullstellen(const RationalT& f, int term, ZeroSet& Z);

}  // namespace Analyse
