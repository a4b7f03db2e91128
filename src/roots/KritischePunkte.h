#pragma once

#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"

namespace Analyse {

// K := the zeros of the numerators of f, f' and f'' of the last evaluation run (the context's RR)
// without the gaps of R, neighbours more than 1e-7 apart.
void FindeKP(const RationalT& R, ZeroSet& K);

}  // namespace Analyse
