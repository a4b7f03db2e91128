#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "algebra/PolynomT.h"
#include "exact/Polynomial.h"

namespace exact {

// The most characters a number may have for the exact reader: a term of decimals this long is
// read exactly, analysed within about a tenth of a second and written back into a field as fast.
inline constexpr std::size_t kMaxNumberDigits = 10000;

// Whether a text holds a number (a run of digits, points and commas) longer than the exact reader
// takes.
bool HasOverlongNumber(std::string_view term);

// Reads a term in the form the parser's first stages leave it (digits, ".", x or X, "+ - * ^",
// round brackets; signs collapsed, brackets closed) as the exact polynomial it denotes: numbers as
// exact decimals, a product of neighbours, whole powers. Nothing when the text holds anything else,
// nests deeper, holds a number longer than kMaxNumberDigits, grows past degree 42 or past the
// size of such a number by a product or power, or multiplies out to a longer number: the caller
// then keeps to the Doubles. tooLong, where given, tells whether it was one of the sizes.
std::optional<Polynomial> ReadTerm(std::string_view term, bool* tooLong = nullptr);

// Whether p is the polynomial the parser read as Doubles: the same degree, and every coefficient
// within 1e-12 of the largest coefficient's magnitude (the parser writes partial products as
// term texts with 14 decimals, so small coefficients carry fewer digits).
bool Agrees(const Polynomial& p, const PolynomT& read);

}  // namespace exact
