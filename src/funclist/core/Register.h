#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "algebra/RationalT.h"

// The decisions of the register buttons that need no window: their degree limits, the split of
// an h text and the denominator text of a derivative.
namespace Register {

// grad of both numerators and both denominators; a zero polynomial counts -1.
int Gradsumme(const RationalT& f, const RationalT& g);

// "f := g * f" refuses a sum above 21.
bool ProduktZuGross(const RationalT& f, const RationalT& g);
// "f := g - f" refuses a sum above 42 before its first run.
bool DifferenzZuGross(const RationalT& f, const RationalT& g);
// After that run: g - f forms g.Zl * f.Nn, g.Nn * f.Zl and g.Nn * f.Nn, and a product whose
// degree would reach 42 silently becomes the zero polynomial, so each must stay at 41 or below.
bool DifferenzTeilprodukteZuGross(const RationalT& g, const RationalT& f);
// "f .= f'" refuses a numerator plus denominator degree of 16 or more.
bool AbleitungZuGross(const RationalT& f);

struct Haelften {
  std::string links;
  std::string rechts;
};
// Splits at the first "/"; without one the whole text is the left half over "1". Nothing is
// trimmed, and a second "/" stays in the right half.
Haelften AmBruchstrichTeilen(std::string_view t);

// Reads an h text into g through the whole term parser, both halves into temporaries first.
// Refused (false, g unchanged) when a half is not readable, holds or multiplies out to a number
// longer than the exact reader takes, or the denominator is zero; otherwise
// g's exponent is 0 for a zero numerator and 1 for any other.
bool HLesen(std::string_view h, RationalT& g);

// The denominator field's text for a denominator of term text nenner and exponent Np: the term
// text, as a bracketed power when Np is above 1.
std::string NennerText(const std::string& nenner, std::int32_t Np);

}  // namespace Register
