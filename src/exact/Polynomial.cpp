#include "exact/Polynomial.h"

#include <flint/fmpz_vec.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace exact {
namespace {

// Owns one FLINT integer.
class Integer {
 public:
  Integer() { fmpz_init(z_); }
  ~Integer() { fmpz_clear(z_); }
  Integer(const Integer&) = delete;
  Integer& operator=(const Integer&) = delete;
  fmpz* get() { return z_; }

 private:
  fmpz_t z_;
};

// |a| / b for b > 0, rounded to the nearest Double with ties to even: a quotient of 55 or 56 bits
// and the remainder tell the rounding exactly, also where the result is subnormal.
double RoundedQuotient(const fmpz* a, const fmpz* b) {
  Integer num;
  Integer den;
  fmpz_abs(num.get(), a);
  fmpz_set(den.get(), b);
  const long shift =
      55 - static_cast<long>(fmpz_bits(num.get())) + static_cast<long>(fmpz_bits(den.get()));
  if (shift >= 0) {
    fmpz_mul_2exp(num.get(), num.get(), static_cast<ulong>(shift));
  } else {
    fmpz_mul_2exp(den.get(), den.get(), static_cast<ulong>(-shift));
  }
  Integer t;
  Integer r;
  fmpz_fdiv_qr(t.get(), r.get(), num.get(), den.get());
  const bool sticky = !fmpz_is_zero(r.get());
  const long exponent = -shift;
  long drop = static_cast<long>(fmpz_bits(t.get())) - 53;
  constexpr long kLowestBit = -1074;
  if (exponent + drop < kLowestBit) drop = kLowestBit - exponent;
  // Below half the smallest subnormal.
  if (drop > 58) return 0.0;
  const std::uint64_t u = fmpz_get_ui(t.get());
  std::uint64_t q = u >> drop;
  const std::uint64_t rest = u & ((std::uint64_t{1} << drop) - 1);
  const std::uint64_t half = std::uint64_t{1} << (drop - 1);
  if (rest > half || (rest == half && (sticky || (q & 1) != 0))) ++q;
  return std::ldexp(static_cast<double>(q), static_cast<int>(exponent + drop));
}

}  // namespace

Rational::Rational(double x) : Rational() {
  if (!std::isfinite(x)) return;
  int e = 0;
  const double m = std::frexp(x, &e);
  const auto mantissa = static_cast<std::int64_t>(std::ldexp(m, 53));
  e -= 53;
  fmpz_set_si(fmpq_numref(q_), mantissa);
  if (e >= 0) {
    fmpz_mul_2exp(fmpq_numref(q_), fmpq_numref(q_), static_cast<ulong>(e));
  } else {
    fmpz_one_2exp(fmpq_denref(q_), static_cast<ulong>(-e));
  }
  fmpq_canonicalise(q_);
}

double Rational::ToDouble() const {
  if (fmpq_is_zero(q_)) return 0.0;
  const double magnitude = RoundedQuotient(fmpq_numref(q_), fmpq_denref(q_));
  return fmpq_sgn(q_) < 0 ? -magnitude : magnitude;
}

Polynomial Polynomial::X() {
  Polynomial p;
  fmpq_poly_set_coeff_si(p.p_, 1, 1);
  return p;
}

Polynomial Polynomial::Constant(long c) {
  Polynomial p;
  fmpq_poly_set_si(p.p_, c);
  return p;
}

namespace {

// The decimals that write q, max(a, b) for a denominator 2^a 5^b; nothing for any other.
std::optional<ulong> Decimals(const fmpq* q) {
  Integer rest;
  Integer factor;
  fmpz_set(rest.get(), fmpq_denref(q));
  fmpz_set_ui(factor.get(), 2);
  const ulong twos = fmpz_remove(rest.get(), rest.get(), factor.get());
  fmpz_set_ui(factor.get(), 5);
  const ulong fives = fmpz_remove(rest.get(), rest.get(), factor.get());
  if (!fmpz_is_one(rest.get())) return std::nullopt;
  return std::max(twos, fives);
}

}  // namespace

std::size_t Rational::DecimalLength() const {
  Integer whole;
  fmpz_abs(whole.get(), fmpq_numref(q_));
  fmpz_fdiv_q(whole.get(), whole.get(), fmpq_denref(q_));
  // The decimal size may count one digit too many.
  std::size_t digits = fmpz_is_zero(whole.get()) ? 1 : fmpz_sizeinbase(whole.get(), 10);
  if (digits > 1) {
    Integer power;
    fmpz_set_ui(power.get(), 10);
    fmpz_pow_ui(power.get(), power.get(), digits - 1);
    if (fmpz_cmp(whole.get(), power.get()) < 0) --digits;
  }
  const std::size_t decimals = Decimals(q_).value_or(14);
  return digits + (decimals > 0 ? decimals + 1 : 0);
}

std::optional<std::string> Rational::DecimalMagnitude() const {
  // A finite decimal's denominator is 2^a 5^b, and max(a, b) decimals write it.
  const std::optional<ulong> d = Decimals(q_);
  if (!d) return std::nullopt;
  const ulong decimals = *d;
  Integer scaled;
  fmpz_set_ui(scaled.get(), 10);
  fmpz_pow_ui(scaled.get(), scaled.get(), decimals);
  fmpz_mul(scaled.get(), scaled.get(), fmpq_numref(q_));
  fmpz_divexact(scaled.get(), scaled.get(), fmpq_denref(q_));
  fmpz_abs(scaled.get(), scaled.get());
  char* raw = fmpz_get_str(nullptr, 10, scaled.get());
  std::string digits(raw);
  flint_free(raw);
  if (decimals == 0) return digits;
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  digits.insert(digits.size() - decimals, 1, '.');
  return digits;
}

Polynomial Polynomial::Decimal(std::string_view digits) {
  std::string whole(digits);
  ulong decimals = 0;
  if (const std::size_t point = whole.find('.'); point != std::string::npos) {
    decimals = whole.size() - point - 1;
    whole.erase(point, 1);
  }
  fmpq_t q;
  fmpq_init(q);
  fmpz_set_str(fmpq_numref(q), whole.empty() ? "0" : whole.c_str(), 10);
  fmpz_set_ui(fmpq_denref(q), 10);
  fmpz_pow_ui(fmpq_denref(q), fmpq_denref(q), decimals);
  fmpq_canonicalise(q);
  Polynomial p;
  fmpq_poly_set_fmpq(p.p_, q);
  fmpq_clear(q);
  return p;
}

Polynomial Polynomial::Of(const PolynomT& p) {
  Polynomial e;
  for (int i = 0; i <= PolynomT::kMaxGrad; ++i)
    if (p.Koeff[i] != 0) fmpq_poly_set_coeff_fmpq(e.p_, i, Rational(p.Koeff[i]).get());
  return e;
}

long Polynomial::Bits() const {
  const long coefficients = std::labs(_fmpz_vec_max_bits(p_->coeffs, p_->length));
  return std::max(coefficients, static_cast<long>(fmpz_bits(p_->den)));
}

int Polynomial::Decimals(int most) const {
  // Every coefficient is written over the common denominator, which a power of ten must hold.
  Integer power;
  fmpz_one(power.get());
  for (int k = 0; k <= most; ++k) {
    if (fmpz_divisible(power.get(), p_->den)) return k;
    fmpz_mul_ui(power.get(), power.get(), 10);
  }
  return -1;
}

Polynomial Polynomial::operator+(const Polynomial& o) const {
  Polynomial r;
  fmpq_poly_add(r.p_, p_, o.p_);
  return r;
}

Polynomial Polynomial::operator-(const Polynomial& o) const {
  Polynomial r;
  fmpq_poly_sub(r.p_, p_, o.p_);
  return r;
}

Polynomial Polynomial::operator*(const Polynomial& o) const {
  Polynomial r;
  fmpq_poly_mul(r.p_, p_, o.p_);
  return r;
}

Polynomial Polynomial::operator-() const {
  Polynomial r;
  fmpq_poly_neg(r.p_, p_);
  return r;
}

Polynomial Polynomial::Pow(unsigned long e) const {
  Polynomial r;
  fmpq_poly_pow(r.p_, p_, e);
  return r;
}

Polynomial Polynomial::Derivative() const {
  Polynomial r;
  fmpq_poly_derivative(r.p_, p_);
  return r;
}

Polynomial Polynomial::Monic() const {
  Polynomial r;
  fmpq_poly_make_monic(r.p_, p_);
  return r;
}

Polynomial Polynomial::Rounded(unsigned long decimals) const {
  Integer scale;
  fmpz_set_ui(scale.get(), 10);
  fmpz_pow_ui(scale.get(), scale.get(), decimals);
  Polynomial r;
  Rational c;
  Integer twice;
  Integer k;
  for (int i = 0; i <= Degree(); ++i) {
    fmpq_poly_get_coeff_fmpq(c.get(), p_, i);
    // k = floor((2 |num| 10^decimals + den) / (2 den)), with the sign of c.
    fmpz_abs(twice.get(), fmpq_numref(c.get()));
    fmpz_mul(twice.get(), twice.get(), scale.get());
    fmpz_mul_2exp(twice.get(), twice.get(), 1);
    fmpz_add(twice.get(), twice.get(), fmpq_denref(c.get()));
    fmpz_mul_2exp(k.get(), fmpq_denref(c.get()), 1);
    fmpz_fdiv_q(k.get(), twice.get(), k.get());
    if (c.Sign() < 0) fmpz_neg(k.get(), k.get());
    fmpq_set_fmpz_frac(c.get(), k.get(), scale.get());
    fmpq_poly_set_coeff_fmpq(r.p_, i, c.get());
  }
  return r;
}

Polynomial Polynomial::ExactQuotient(const Polynomial& divisor) const {
  Polynomial r;
  fmpq_poly_div(r.p_, p_, divisor.p_);
  return r;
}

bool Polynomial::DividedBy(const Polynomial& divisor) const {
  Polynomial q;
  return fmpq_poly_divides(q.p_, p_, divisor.p_) != 0;
}

Polynomial Polynomial::Gcd(const Polynomial& a, const Polynomial& b) {
  Polynomial g;
  fmpq_poly_gcd(g.p_, a.p_, b.p_);
  return g;
}

Polynomial Polynomial::WithoutFactorsOf(const Polynomial& other) const {
  Polynomial rest = *this;
  if (rest.IsZero()) return rest;
  for (Polynomial g = Gcd(rest, other); !g.IsConstant(); g = Gcd(rest, other))
    rest = rest.ExactQuotient(g);
  return rest;
}

Rational Polynomial::Coefficient(int i) const {
  Rational c;
  fmpq_poly_get_coeff_fmpq(c.get(), p_, i);
  return c;
}

Rational Polynomial::ValueAt(const Rational& x) const {
  Rational v;
  fmpq_poly_evaluate_fmpq(v.get(), p_, x.get());
  return v;
}

namespace {

// p(a / b) times b^(length - 1) and p's common denominator: Horner on the whole coefficients, the
// powers of b = 2^shift carried along.
void ScaledValue(Integer& r, const fmpq_poly_struct* p, const fmpz* a, ulong shift) {
  const slong n = p->length;
  fmpz_zero(r.get());
  if (n == 0) return;
  fmpz_set(r.get(), p->coeffs + n - 1);
  Integer term;
  for (slong i = n - 2; i >= 0; --i) {
    fmpz_mul(r.get(), r.get(), a);
    fmpz_mul_2exp(term.get(), p->coeffs + i, shift * static_cast<ulong>(n - 1 - i));
    fmpz_add(r.get(), r.get(), term.get());
  }
}

}  // namespace

std::optional<double> Polynomial::QuotientAt(const Polynomial& n, const Polynomial& d, double x) {
  const Rational at(x);
  const ulong shift = fmpz_val2(fmpq_denref(at.get()));
  Integer top;
  Integer bottom;
  ScaledValue(top, n.p_, fmpq_numref(at.get()), shift);
  ScaledValue(bottom, d.p_, fmpq_numref(at.get()), shift);
  if (fmpz_is_zero(bottom.get())) return std::nullopt;
  if (fmpz_is_zero(top.get())) return 0.0;
  // n(x) / d(x) = top d.den b^(len d - 1) / (bottom n.den b^(len n - 1)).
  fmpz_mul(top.get(), top.get(), d.p_->den);
  fmpz_mul(bottom.get(), bottom.get(), n.p_->den);
  const slong lengths = d.p_->length - n.p_->length;
  if (lengths > 0) fmpz_mul_2exp(top.get(), top.get(), shift * static_cast<ulong>(lengths));
  if (lengths < 0) fmpz_mul_2exp(bottom.get(), bottom.get(), shift * static_cast<ulong>(-lengths));
  const bool negative = fmpz_sgn(top.get()) * fmpz_sgn(bottom.get()) < 0;
  fmpz_abs(bottom.get(), bottom.get());
  const double magnitude = RoundedQuotient(top.get(), bottom.get());
  return negative ? -magnitude : magnitude;
}

int Polynomial::SignAt(double x) const {
  return ValueAt(Rational(x)).Sign();
}

bool Polynomial::RoundInto(PolynomT& p) const {
  if (Degree() > PolynomT::kMaxGrad) return false;
  PolynomT r;
  for (int i = 0; i <= Degree(); ++i) {
    r.Koeff[i] = Coefficient(i).ToDouble();
    if (!std::isfinite(r.Koeff[i])) return false;
  }
  p.KopieVon(r);
  return true;
}

}  // namespace exact
