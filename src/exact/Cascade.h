#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "algebra/PolynomT.h"
#include "exact/Polynomial.h"
#include "exact/SplitPolynomial.h"

namespace exact {

// The derivative cascade of a polynomial with exact coefficients, for the root finder: each
// derivative D(k) rounded to Doubles, and the sign of the exact D(k) at a Double point. The sign
// is a filtered predicate, each D(k) a split polynomial, with exact evaluation only where Horner's
// and the compensated scheme's bounds both leave the sign open. Above degree 42 the
// rounded derivatives have no room, and the cascade is empty: Degree() is -1.
class Cascade {
 public:
  explicit Cascade(const Polynomial& p);

  int Degree() const { return static_cast<int>(levels_.size()) - 1; }
  // D(k), every coefficient the nearest Double of the exact one.
  const Coefficients& Rounded(int k) const {
    return levels_[static_cast<std::size_t>(k)].Rounded();
  }
  // The magnitudes of the coefficients of D(k); infinite for one whose sign is left to exact
  // evaluation.
  const Coefficients& Magnitudes(int k) const {
    return levels_[static_cast<std::size_t>(k)].Magnitudes();
  }
  // The sign of D(k) at x, -1, 0 or 1; v is Horner's value of Rounded(k) at x.
  int Sign(int k, double x, double v) const;
  // The same where the caller has Horner's value of Magnitudes(k) at abs(x) already.
  int Sign(int k, double x, double v, double magnitude) const;
  // D(0) .. D(Degree() - 1) rounded into D; false where one leaves the Double range.
  template <std::size_t N>
  bool RoundInto(std::array<PolynomT, N>& D) const {
    for (int k = 0; k < Degree(); ++k) {
      D[static_cast<std::size_t>(k)].Koeff = Rounded(k);
      if (!D[static_cast<std::size_t>(k)].AllFinite()) return false;
    }
    return true;
  }
  // The zero of the linear D(Degree() - 1), the nearest Double; never -0.
  double LinearZero() const;

  // How often a sign needed the compensated scheme and how often exact evaluation, for the
  // benchmarks.
  std::int64_t Compensated() const { return compensated_; }
  std::int64_t Exact() const { return exact_; }
  void ResetCounts() const {
    compensated_ = 0;
    exact_ = 0;
  }

 private:
  std::vector<SplitPolynomial> levels_;
  mutable std::int64_t compensated_ = 0;
  mutable std::int64_t exact_ = 0;
};

}  // namespace exact
