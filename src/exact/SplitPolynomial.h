#pragma once

#include <array>
#include <optional>

#include "algebra/PolynomT.h"
#include "exact/Polynomial.h"

namespace exact {

using Coefficients = std::array<double, PolynomT::kMaxGrad + 1>;

// Horner's scheme over c(0) .. c(degree).
double Horner(const Coefficients& c, int degree, double x);

// A polynomial of degree at most 42 whose exact coefficients are each split into their nearest
// Double and the Double nearest the rest, for values at Double points whose sign has to be right.
// Horner's value decides where it lies above Horner's error bound, else the compensated scheme
// over both parts with its own, far smaller bound; where both leave the sign open only exact
// evaluation can decide.
class SplitPolynomial {
 public:
  explicit SplitPolynomial(Polynomial p);

  int Degree() const { return degree_; }
  const Polynomial& Exact() const { return exact_; }
  // Every coefficient the nearest Double of the exact one.
  const Coefficients& Rounded() const { return hi_; }
  // The magnitudes of the rounded coefficients; infinite for one whose sign is left to exact
  // evaluation.
  const Coefficients& Magnitudes() const { return magnitude_; }

  // v, Horner's value of Rounded() at x, or the compensated value, whichever first has the exact
  // sign for sure; nothing where neither has. magnitude is Horner's value of Magnitudes() at
  // abs(x); compensated tells whether the second stage ran.
  std::optional<double> Filtered(double x, double v, double magnitude, bool& compensated) const;
  // A value at x with the exact sign: the filtered one, else the nearest Double of the exact one.
  double Value(double x) const;

 private:
  Polynomial exact_;
  Coefficients hi_{};
  Coefficients lo_{};
  Coefficients magnitude_{};
  int degree_ = -1;
};

}  // namespace exact
