#include "exact/FunctionValue.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "algebra/RationalT.h"
#include "exact/Function.h"

namespace exact {
namespace {

int HighestNonZero(const PolynomT& p) {
  int n = PolynomT::kMaxGrad;
  while (n >= 0 && p.Koeff[static_cast<std::size_t>(n)] == 0.0) --n;
  return n;
}

// The numerator (0) or the denominator (1) that f stands for.
Polynomial ExactTerm(const RationalT& f, int term) {
  if (const Function* e = ExactOf(f)) return term == 0 ? e->Numerator() : e->Denominator();
  return Polynomial::Of(term == 0 ? f.Zl : f.Nn);
}

}  // namespace

FunctionValue::Term::Term(Polynomial exact, const PolynomT& doubles)
    : split_(std::move(exact)), degree_(std::max(HighestNonZero(doubles), split_.Degree())) {
  doubles_.KopieVon(doubles);
  // Horner errs by at most 2d rounding units of the sum of the magnitudes; twice that, and twice
  // each coefficient's distance from the exact one, leave room for rounding the bound itself.
  const double factor = 4.0 * degree_ * 0x1p-53;
  for (int i = 0; i <= degree_; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const double k = doubles.Koeff[at];
    Rational distance;
    fmpq_sub(distance.get(), Rational(k).get(), split_.Exact().Coefficient(i).get());
    bound_[at] = factor * std::abs(k) + 2 * std::abs(distance.ToDouble());
  }
}

double FunctionValue::Term::At(double x) const {
  const double v = doubles_.FWert(x);
  // A value beyond the Double range is drawn as it always was.
  if (!std::isfinite(v) || std::abs(v) > Horner(bound_, degree_, std::abs(x))) return v;
  return split_.Value(x);
}

FunctionValue::FunctionValue(const RationalT& f)
    : numerator_(ExactTerm(f, 0), f.Zl), denominator_(ExactTerm(f, 1), f.Nn), Np_(f.Np) {}

double FunctionValue::At(double x) const {
  const double d = denominator_.At(x);
  const double p = std::pow(d, static_cast<double>(Np_));
  const double n = numerator_.At(x);
  return n / p;
}

}  // namespace exact
