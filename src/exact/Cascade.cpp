#include "exact/Cascade.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

namespace exact {
namespace {

int SignOf(double v) {
  return (v > 0) - (v < 0);
}

}  // namespace

Cascade::Cascade(const Polynomial& p) {
  const int n = p.Degree();
  if (n > PolynomT::kMaxGrad) return;
  Polynomial d = p;
  for (int k = 0; k <= n; ++k) {
    Polynomial next = d.Derivative();
    levels_.emplace_back(std::move(d));
    d = std::move(next);
  }
}

int Cascade::Sign(int k, double x, double v) const {
  const SplitPolynomial& l = levels_[static_cast<std::size_t>(k)];
  return Sign(k, x, v, Horner(l.Magnitudes(), l.Degree(), std::abs(x)));
}

int Cascade::Sign(int k, double x, double v, double magnitude) const {
  const SplitPolynomial& l = levels_[static_cast<std::size_t>(k)];
  bool compensated = false;
  const std::optional<double> filtered = l.Filtered(x, v, magnitude, compensated);
  if (compensated) ++compensated_;
  if (filtered) return SignOf(*filtered);
  ++exact_;
  return l.Exact().SignAt(x);
}

double Cascade::LinearZero() const {
  const Polynomial& linear = levels_[static_cast<std::size_t>(Degree() - 1)].Exact();
  Rational z;
  fmpq_div(z.get(), linear.Coefficient(0).get(), linear.Coefficient(1).get());
  fmpq_neg(z.get(), z.get());
  return z.ToDouble();
}

}  // namespace exact
