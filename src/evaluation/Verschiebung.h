#pragma once

#include "algebra/RationalT.h"

namespace Auswertung {

inline const char* const kVerschiebungZuGross =
    "Die Verschiebung ergibt zu große Koeffizienten; die Funktion bleibt unverändert.";

// f becomes f(x - a) + b: numerator (Zl + b Nn)(x - a), denominator Nn(x - a). When a
// coefficient of the result is not finite, f stays as it was and the result is false.
bool Verschiebe(RationalT& f, double a, double b);

}  // namespace Auswertung
