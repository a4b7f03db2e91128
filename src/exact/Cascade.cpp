#include "exact/Cascade.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace exact {
namespace {

constexpr double kU = 0x1p-53;
// Below this size the error bounds would have to count underflow; exact evaluation decides.
constexpr double kTiny = 0x1p-900;

double Gamma(int n) {
  return n * kU / (1 - n * kU);
}

// a * b = p + e exactly (Dekker), without relying on a fused multiply-add.
void TwoProduct(double a, double b, double& p, double& e) {
  constexpr double kSplit = 134217729.0;  // 2^27 + 1
  p = a * b;
  const double ca = kSplit * a;
  const double ah = ca - (ca - a);
  const double al = a - ah;
  const double cb = kSplit * b;
  const double bh = cb - (cb - b);
  const double bl = b - bh;
  e = al * bl - (((p - ah * bh) - al * bh) - ah * bl);
}

// a + b = s + e exactly (Knuth).
void TwoSum(double a, double b, double& s, double& e) {
  s = a + b;
  const double z = s - a;
  e = (a - (s - z)) + (b - z);
}

double Horner(const std::array<double, PolynomT::kMaxGrad + 1>& c, int degree, double x) {
  double s = 0;
  for (int i = degree; i >= 0; --i) s = s * x + c[static_cast<std::size_t>(i)];
  return s;
}

int SignOf(double v) {
  return (v > 0) - (v < 0);
}

}  // namespace

Cascade::Cascade(const Polynomial& p) {
  const int n = p.Degree();
  if (n > PolynomT::kMaxGrad) return;
  Polynomial d = p;
  for (int k = 0; k <= n; ++k) {
    Level level;
    level.degree = n - k;
    for (int i = 0; i <= level.degree; ++i) {
      const Rational c = d.Coefficient(i);
      const double hi = c.ToDouble();
      const auto at = static_cast<std::size_t>(i);
      level.hi[at] = hi;
      level.magnitude[at] = std::abs(hi);
      // A coefficient beyond the Double range leaves every sign to exact evaluation, and so does
      // a tiny one, which loses its low part or all of it to underflow.
      if (!std::isfinite(hi) || (c.Sign() != 0 && std::abs(hi) < kTiny)) {
        level.magnitude[at] = std::numeric_limits<double>::infinity();
        continue;
      }
      Rational rest;
      fmpq_sub(rest.get(), c.get(), Rational(hi).get());
      level.lo[at] = rest.ToDouble();
    }
    level.derivative = d;
    levels_.push_back(std::move(level));
    d = d.Derivative();
  }
}

int Cascade::Sign(int k, double x, double v) const {
  const Level& l = levels_[static_cast<std::size_t>(k)];
  return Sign(k, x, v, Horner(l.magnitude, l.degree, std::abs(x)));
}

int Cascade::Sign(int k, double x, double v, double magnitude) const {
  const Level& l = levels_[static_cast<std::size_t>(k)];
  const int d = l.degree;
  if (std::isfinite(magnitude) && std::isfinite(v) && magnitude > kTiny) {
    // Horner errs by at most 2d rounding units of the magnitude, the rounded coefficients by one.
    if (std::abs(v) > 4.0 * d * kU * magnitude) return SignOf(v);
    ++compensated_;
    double s = l.hi[static_cast<std::size_t>(d)];
    double c = l.lo[static_cast<std::size_t>(d)];
    for (int i = d - 1; i >= 0; --i) {
      double p = 0;
      double pe = 0;
      TwoProduct(s, x, p, pe);
      double se = 0;
      TwoSum(p, l.hi[static_cast<std::size_t>(i)], s, se);
      c = c * x + (pe + se + l.lo[static_cast<std::size_t>(i)]);
    }
    const double r = s + c;
    const double g = Gamma(2 * d);
    const double bound = 2 * (g * g + g * kU + kU * kU) * magnitude + 2 * kU * std::abs(r);
    if (std::isfinite(r) && std::abs(r) > bound) return SignOf(r);
  }
  ++exact_;
  return l.derivative.SignAt(x);
}

double Cascade::LinearZero() const {
  const Polynomial& linear = levels_[static_cast<std::size_t>(Degree() - 1)].derivative;
  Rational z;
  fmpq_div(z.get(), linear.Coefficient(0).get(), linear.Coefficient(1).get());
  fmpq_neg(z.get(), z.get());
  return z.ToDouble();
}

}  // namespace exact
