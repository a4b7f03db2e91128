#pragma once

#include <string>
#include <vector>

#include "algebra/PolynomT.h"
#include "exact/Polynomial.h"
#include "exact/SquareFree.h"

namespace Analyse {

// The factor form of P, whose exact polynomial and square-free decomposition are given: each real
// zero once with the multiplicity of its factor, the rest without real zeros as its product text.
std::string Faktorform(const PolynomT& P, const exact::Polynomial& exakt,
                       const std::vector<exact::SquareFreeFactor>& zerlegung);

}  // namespace Analyse
