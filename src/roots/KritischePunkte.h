#pragma once

#include <vector>

#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"

namespace exact {
class Function;
}

namespace Analyse {

struct KritischeStelle {
  double x;
  // Bit i is set where the derivative of order i vanishes at x, exactly.
  unsigned nullstelleVon;
};

// The critical points of f from its exact terms, with what vanishes at each, neighbours more than
// 1e-7 apart as in FindeKP.
std::vector<KritischeStelle> KritischeStellen(const exact::Function& f);

// K := the zeros of the numerators of f, f' and f'' of the last evaluation run (the context's RR)
// without the gaps of R, neighbours more than 1e-7 apart.
void FindeKP(const RationalT& R, ZeroSet& K);

}  // namespace Analyse
