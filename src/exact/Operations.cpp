#include "exact/Operations.h"

#include <memory>
#include <string>

#include "algebra/TextSemantics.h"
#include "exact/TermText.h"

namespace exact {
namespace {

// p(x - a).
Polynomial Shift(const Polynomial& p, const Rational& a) {
  Polynomial xMinusA = Polynomial::X();
  fmpq_poly_sub_fmpq(xMinusA.get(), xMinusA.get(), a.get());
  Polynomial r;
  fmpq_poly_compose(r.get(), p.get(), xMinusA.get());
  return r;
}

Polynomial Times(const Polynomial& p, const Rational& c) {
  Polynomial r;
  fmpq_poly_scalar_mul_fmpq(r.get(), p.get(), c.get());
  return r;
}

}  // namespace

bool Readable(const Terms& t) {
  return Readable(t.numerator) && Readable(t.denominator);
}

bool Assign(RationalT& f, const Terms& t) {
  RationalT r;
  if (t.numerator.IsZero() || !t.numerator.RoundInto(r.Zl) || !t.denominator.RoundInto(r.Nn) ||
      r.Nn.grad() < 0)
    return false;
  f.Zl.KopieVon(r.Zl);
  f.Nn.KopieVon(r.Nn);
  f.Np = 1;
  f.exakt = std::make_shared<const Function>(t.numerator, t.denominator, f);
  return true;
}

Terms Product(const Function& f, const Function& g) {
  return {f.Numerator() * g.Numerator(), f.Denominator() * g.Denominator()};
}

Terms Difference(const Function& g, const Function& f) {
  const Polynomial numerator =
      g.Numerator() * f.Denominator() - g.Denominator() * f.Numerator();
  const Polynomial denominator = g.Denominator() * f.Denominator();
  const Polynomial common = Polynomial::Gcd(numerator, denominator);
  return {numerator.ExactQuotient(common), denominator.ExactQuotient(common)};
}

Terms Reciprocal(const Function& f) {
  return {f.Denominator(), f.Numerator()};
}

Terms Shifted(const Function& f, const Rational& a, const Rational& b) {
  const Polynomial numerator = f.Numerator() + Times(f.Denominator(), b);
  return {Shift(numerator, a), Shift(f.Denominator(), a)};
}

DerivativeTerms Derivative(const Function& f) {
  const Polynomial& n = f.Numerator();
  const Polynomial& d = f.Denominator();
  if (d.IsConstant()) return {{n.Derivative(), d}, 1};
  return {{n.Derivative() * d - n * d.Derivative(), d}, 2};
}

Rational ValueOf(std::string_view number) {
  std::string_view digits = text::ValText(number);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  Rational v;
  if (digits.find_first_of("0123456789") == std::string_view::npos) return v;
  fmpq_poly_get_coeff_fmpq(v.get(), Polynomial::Decimal(digits).get(), 0);
  if (negative) fmpq_neg(v.get(), v.get());
  return v;
}

}  // namespace exact
