#pragma once

#include <string>

#include "exact/Polynomial.h"

namespace exact {

// The term text of p in the form of the Doubles' term text, which the parser reads back as p:
// every coefficient that is a finite decimal with all its decimals, any other, such as a third
// left by a cancellation, rounded to 14 decimals as the Doubles' term text writes it.
std::string TermText(const Polynomial& p);

// Whether the exact reader takes TermText(p) back: no number in it is longer than the reader's
// limit. Judged from the coefficients without writing them.
bool Readable(const Polynomial& p);

}  // namespace exact
