#pragma once

#include <cstdint>

#include "algebra/PolynomT.h"
#include "exact/SplitPolynomial.h"

class RationalT;

namespace exact {

// The value of f at Double points for drawing: Zl(x) / Nn(x)^Np from f's own Doubles, exactly as
// RationalT::FWert computes it, wherever each term's Double value lies above its error bound.
// Where one drowns in its rounding noise, as an expanded multiple factor does beside its zero,
// that term's value comes from the exact term instead, with its true sign and a magnitude within
// the compensated scheme's bound. f's exact terms are used while they describe f; otherwise its
// Doubles are what f is.
class FunctionValue {
 public:
  explicit FunctionValue(const RationalT& f);

  double At(double x) const;

 private:
  // One term: its Doubles, the exact term split for the filter, and the coefficients of a bound
  // on how far Horner's value of the Doubles lies from the exact value, at abs(x).
  class Term {
   public:
    Term(Polynomial exact, const PolynomT& doubles);
    double At(double x) const;

   private:
    PolynomT doubles_;
    SplitPolynomial split_;
    Coefficients bound_{};
    int degree_ = -1;
  };

  Term numerator_;
  Term denominator_;
  std::int32_t Np_;
};

}  // namespace exact
