#pragma once

class HauptF;
class RationalT;

namespace Funktionsliste {

// Writes D the way the user would type it: the numerator field gets D's numerator term text,
// then the denominator field its denominator's. D's exponent is not written; each write fires
// the field's change handler before the next one.
void InTermfelderSchreiben(HauptF& fenster, const RationalT& D);

}  // namespace Funktionsliste
