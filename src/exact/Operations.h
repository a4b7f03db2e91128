#pragma once

#include <string>
#include <string_view>

#include "algebra/RationalT.h"
#include "exact/Function.h"
#include "exact/Polynomial.h"
#include "exact/Term.h"

// The functions the registers and the shift make of exact functions, exactly: the Doubles of
// their results are the nearest ones, with the exact terms kept beside them.
namespace exact {

struct Terms {
  Polynomial numerator;
  Polynomial denominator;
};

// Said where a result is refused because its term text would hold a number longer than the
// exact reader takes, so that reading it back would give another function.
inline const std::string kZuLangeKoeffizienten =
    "Das Ergebnis hätte Koeffizienten mit mehr als " + std::to_string(kMaxNumberDigits) +
    " Stellen; die Funktion bleibt unverändert.";

// Whether the exact reader takes back the term texts of both terms.
bool Readable(const Terms& t);

// f := t with exponent 1, each coefficient the nearest Double and t kept as f's exact terms.
// False, f unchanged, for a zero numerator (the zero function has its own form), a degree above
// 42 or a coefficient beyond the Double range.
bool Assign(RationalT& f, const Terms& t);

Terms Product(const Function& f, const Function& g);
// g - f over the product of the denominators, divided by the monic gcd of the two.
Terms Difference(const Function& g, const Function& f);
Terms Reciprocal(const Function& f);
// f(x - a) + b: numerator (Zl + b Nn)(x - a), denominator Nn(x - a).
Terms Shifted(const Function& f, const Rational& a, const Rational& b);

// f' as the derivative button writes it: over a constant denominator the numerator's derivative
// over that denominator, else (Zl' Nn - Zl Nn') over Nn squared, the square kept as exponent 2.
struct DerivativeTerms {
  Terms terms;
  int exponent;
};
DerivativeTerms Derivative(const Function& f);

// The exact value of a number text as Val reads it.
Rational ValueOf(std::string_view number);

}  // namespace exact
