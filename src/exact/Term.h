#pragma once

#include <optional>
#include <string_view>

#include "algebra/PolynomT.h"
#include "exact/Polynomial.h"

namespace exact {

// Reads a term in the form the parser's first stages leave it (digits, ".", x or X, "+ - * ^",
// round brackets; signs collapsed, brackets closed) as the exact polynomial it denotes: numbers as
// exact decimals, a product of neighbours, whole powers. Nothing when the text holds anything else,
// nests deeper, or grows past degree 42 or past a size no typed term needs: the caller then keeps
// to the Doubles.
std::optional<Polynomial> ReadTerm(std::string_view term);

// Whether p is the polynomial the parser read as Doubles: the same degree, and every coefficient
// within 1e-12 of the largest coefficient's magnitude (the parser writes partial products as
// term texts with 14 decimals, so small coefficients carry fewer digits).
bool Agrees(const Polynomial& p, const PolynomT& read);

}  // namespace exact
