#pragma once

#include <string>

#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"
#include "evaluation/ExakteTerme.h"

namespace Auswertung {

// What the cancellation of a common polynomial factor left behind for the window.
struct Kuerzung {
  bool gekuerzt = false;
  // The function text of f before the division; the function list records it.
  std::string funktionVorher;
  // Zeros of the cancelled factor at which the reduced denominator no longer vanishes.
  ZeroSet hebbareLuecken;
};

// Cancels the greatest common divisor of f's numerator and denominator when both are
// non-constant and one of them has degree 2 or more, after the integer-content test on a rounded
// copy. Where the exact terms are known, the common factor is theirs, divided off exactly, and
// the exact terms follow every change of f. The entries go into report, which must be the
// context's report, since the rounded test writes there too. The term fields are the caller's.
Kuerzung KuerzeGemeinsamenFaktor(RationalT& f, std::string& report, ExakteTerme& exakt);

// Numerator degree plus denominator degree above 20: the integer-content reduction is skipped.
bool GradsummeZuGross(const RationalT& f);

}  // namespace Auswertung
