#include "exact/SplitPolynomial.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

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

}  // namespace

double Horner(const Coefficients& c, int degree, double x) {
  double s = 0;
  for (int i = degree; i >= 0; --i) s = s * x + c[static_cast<std::size_t>(i)];
  return s;
}

SplitPolynomial::SplitPolynomial(Polynomial p) : exact_(std::move(p)), degree_(exact_.Degree()) {
  for (int i = 0; i <= degree_; ++i) {
    const Rational c = exact_.Coefficient(i);
    const double hi = c.ToDouble();
    const auto at = static_cast<std::size_t>(i);
    hi_[at] = hi;
    magnitude_[at] = std::abs(hi);
    // A coefficient beyond the Double range leaves every sign to exact evaluation, and so does
    // a tiny one, which loses its low part or all of it to underflow.
    if (!std::isfinite(hi) || (c.Sign() != 0 && std::abs(hi) < kTiny)) {
      magnitude_[at] = std::numeric_limits<double>::infinity();
      continue;
    }
    Rational rest;
    fmpq_sub(rest.get(), c.get(), Rational(hi).get());
    lo_[at] = rest.ToDouble();
  }
}

std::optional<double> SplitPolynomial::Filtered(double x, double v, double magnitude,
                                                bool& compensated) const {
  compensated = false;
  const int d = degree_;
  if (!std::isfinite(magnitude) || !std::isfinite(v) || !(magnitude > kTiny)) return std::nullopt;
  // Horner errs by at most 2d rounding units of the magnitude, the rounded coefficients by one.
  if (std::abs(v) > 4.0 * d * kU * magnitude) return v;
  compensated = true;
  double s = hi_[static_cast<std::size_t>(d)];
  double c = lo_[static_cast<std::size_t>(d)];
  for (int i = d - 1; i >= 0; --i) {
    double p = 0;
    double pe = 0;
    TwoProduct(s, x, p, pe);
    double se = 0;
    TwoSum(p, hi_[static_cast<std::size_t>(i)], s, se);
    c = c * x + (pe + se + lo_[static_cast<std::size_t>(i)]);
  }
  const double r = s + c;
  const double g = Gamma(2 * d);
  const double bound = 2 * (g * g + g * kU + kU * kU) * magnitude + 2 * kU * std::abs(r);
  if (std::isfinite(r) && std::abs(r) > bound) return r;
  return std::nullopt;
}

double SplitPolynomial::Value(double x) const {
  bool compensated = false;
  const std::optional<double> v =
      Filtered(x, Horner(hi_, degree_, x), Horner(magnitude_, degree_, std::abs(x)), compensated);
  return v ? *v : exact_.ValueAt(Rational(x)).ToDouble();
}

}  // namespace exact
