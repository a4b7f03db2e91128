#include "exact/Function.h"

#include <cstddef>
#include <utility>

#include "algebra/RationalT.h"
#include "exact/TermText.h"

namespace exact {
namespace {

// a / b in lowest terms, the denominator monic.
void Reduce(Polynomial& a, Polynomial& b) {
  // A zero denominator is refused before any function is made; it has no lowest terms.
  if (b.IsZero()) return;
  const Polynomial g = Polynomial::Gcd(a, b);
  a = a.ExactQuotient(g);
  b = b.ExactQuotient(g);
  const Rational lead = b.Coefficient(b.Degree());
  fmpq_poly_scalar_div_fmpq(a.get(), a.get(), lead.get());
  fmpq_poly_scalar_div_fmpq(b.get(), b.get(), lead.get());
}

}  // namespace

Function::Function(Polynomial numerator, Polynomial denominator, const RationalT& f)
    : terms_{std::move(numerator), std::move(denominator)}, doubles_{f.Zl.Koeff, f.Nn.Koeff} {}

bool Function::Describes(const RationalT& f) const {
  return f.Np == 1 && f.Zl.Koeff == doubles_[0] && f.Nn.Koeff == doubles_[1];
}

const std::string& Function::TermText(int term) const {
  auto& slot = termTexts_[static_cast<std::size_t>(term)];
  if (!slot) slot = exact::TermText(terms_[static_cast<std::size_t>(term)]);
  return *slot;
}

const std::vector<SquareFreeFactor>& Function::TermFactors(int term) const {
  auto& slot = termFactors_[static_cast<std::size_t>(term)];
  if (!slot) slot = SquareFree(terms_[static_cast<std::size_t>(term)]);
  return *slot;
}

const Function::Quotient& Function::Derivative(int i) const {
  if (derivatives_.empty()) {
    Quotient f{Numerator(), Denominator()};
    Reduce(f.numerator, f.denominator);
    derivatives_.push_back(std::move(f));
  }
  while (static_cast<int>(derivatives_.size()) <= i) {
    const Quotient& q = derivatives_.back();
    Quotient d{q.numerator.Derivative() * q.denominator - q.numerator * q.denominator.Derivative(),
               q.denominator * q.denominator};
    Reduce(d.numerator, d.denominator);
    derivatives_.push_back(std::move(d));
  }
  return derivatives_[static_cast<std::size_t>(i)];
}

const std::vector<SquareFreeFactor>& Function::DerivativeFactors(int i) const {
  auto& slot = derivativeFactors_[static_cast<std::size_t>(i)];
  if (!slot) slot = SquareFree(Derivative(i).numerator);
  return *slot;
}

const std::vector<Function::CriticalFactor>& Function::CriticalFactors() const {
  if (criticalFactors_) return *criticalFactors_;
  // The zeros of each numerator once, without multiplicity; the zero polynomial has none here.
  std::array<Polynomial, 3> radical;
  for (std::size_t i = 0; i < 3; ++i) {
    radical[i] = Polynomial::Constant(1);
    for (const SquareFreeFactor& s : DerivativeFactors(static_cast<int>(i)))
      radical[i] = radical[i] * s.factor;
  }
  // piece[m] vanishes exactly at the points that are zeros of the numerators in m and no other:
  // the common part of those, with what the larger sets take divided off first.
  std::array<Polynomial, 8> piece;
  for (unsigned m = 7; m >= 1; --m) {
    Polynomial p;
    for (unsigned i = 0; i < 3; ++i)
      if ((m >> i) & 1) p = p.IsZero() ? radical[i] : Polynomial::Gcd(p, radical[i]);
    for (unsigned larger = m + 1; larger <= 7; ++larger)
      if ((larger & m) == m) p = p.ExactQuotient(Polynomial::Gcd(p, piece[larger]));
    piece[m] = p;
  }
  std::vector<CriticalFactor> factors;
  for (unsigned m = 1; m <= 7; ++m)
    for (SquareFreeFactor& s : SquareFree(piece[m])) factors.push_back({std::move(s), m});
  criticalFactors_ = std::move(factors);
  return *criticalFactors_;
}

std::optional<double> Function::Value(int i, double x) const {
  const Quotient& q = Derivative(i);
  return Polynomial::QuotientAt(q.numerator, q.denominator, x);
}

const Function* ExactOf(const RationalT& f) {
  return f.exakt && f.exakt->Describes(f) ? f.exakt.get() : nullptr;
}

}  // namespace exact
