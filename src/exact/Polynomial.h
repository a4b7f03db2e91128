#pragma once

#include <flint/fmpq.h>
#include <flint/fmpq_poly.h>
#include <flint/fmpz.h>
#include <flint/fmpz_poly.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "algebra/PolynomT.h"

// Exact rational arithmetic for the questions Doubles cannot decide: whether a zero is multiple,
// whether two terms share a factor, on which side of a zero a point lies.
namespace exact {

// Owns one FLINT rational, so no fmpq_clear is ever forgotten.
class Rational {
 public:
  Rational() { fmpq_init(q_); }
  // Exactly x; 0 for an infinity or nan, which have no exact value.
  explicit Rational(double x);
  ~Rational() { fmpq_clear(q_); }
  Rational(const Rational& o) : Rational() { fmpq_set(q_, o.q_); }
  Rational& operator=(const Rational& o) {
    fmpq_set(q_, o.q_);
    return *this;
  }

  int Sign() const { return fmpq_sgn(q_); }
  // The nearest Double, ties to even; an infinity beyond the Double range.
  double ToDouble() const;
  // The magnitude written out with every decimal, such as "0.000030517578125"; nothing where it
  // is no finite decimal.
  std::optional<std::string> DecimalMagnitude() const;
  // The length of the magnitude as DecimalMagnitude writes it; where it is no finite decimal, at
  // least the length of its text with 14 decimals.
  std::size_t DecimalLength() const;

  fmpq* get() { return q_; }
  const fmpq* get() const { return q_; }

 private:
  fmpq_t q_;
};

// A polynomial with rational coefficients: a thin owner of FLINT's fmpq_poly.
class Polynomial {
 public:
  Polynomial() { fmpq_poly_init(p_); }
  ~Polynomial() { fmpq_poly_clear(p_); }
  Polynomial(const Polynomial& o) : Polynomial() { fmpq_poly_set(p_, o.p_); }
  Polynomial(Polynomial&& o) noexcept : Polynomial() { fmpq_poly_swap(p_, o.p_); }
  Polynomial& operator=(const Polynomial& o) {
    fmpq_poly_set(p_, o.p_);
    return *this;
  }
  Polynomial& operator=(Polynomial&& o) noexcept {
    fmpq_poly_swap(p_, o.p_);
    return *this;
  }

  static Polynomial X();
  static Polynomial Constant(long c);
  // A decimal number of digits with at most one ".", such as "12.5", ".5" or "3.".
  static Polynomial Decimal(std::string_view digits);
  // Exactly the coefficients of p.
  static Polynomial Of(const PolynomT& p);

  // -1 for the zero polynomial.
  int Degree() const { return static_cast<int>(fmpq_poly_degree(p_)); }
  bool IsZero() const { return fmpq_poly_is_zero(p_) != 0; }
  bool IsConstant() const { return Degree() < 1; }
  // The size in bits of the largest integer the coefficients are made of.
  long Bits() const;
  // The fewest decimals, up to most, that write every coefficient exactly; -1 where more are
  // needed.
  int Decimals(int most) const;
  bool operator==(const Polynomial& o) const { return fmpq_poly_equal(p_, o.p_) != 0; }

  Polynomial operator+(const Polynomial& o) const;
  Polynomial operator-(const Polynomial& o) const;
  Polynomial operator*(const Polynomial& o) const;
  Polynomial operator-() const;
  Polynomial Pow(unsigned long e) const;
  Polynomial Derivative() const;
  // Divided by its leading coefficient; the zero polynomial stays.
  Polynomial Monic() const;
  // Every coefficient c becomes the nearest whole number to c 10^decimals, halves away from
  // zero, divided by 10^decimals.
  Polynomial Rounded(unsigned long decimals) const;
  // The quotient of a division that leaves no remainder.
  Polynomial ExactQuotient(const Polynomial& divisor) const;
  bool DividedBy(const Polynomial& divisor) const;
  // The monic greatest common divisor; 0 when both are 0.
  static Polynomial Gcd(const Polynomial& a, const Polynomial& b);
  // What is left of the receiver once every factor it shares with other is divided off.
  Polynomial WithoutFactorsOf(const Polynomial& other) const;

  Rational Coefficient(int i) const;
  Rational ValueAt(const Rational& x) const;
  // n(x) / d(x), rounded once to the nearest Double; nothing where d(x) = 0. Works on whole
  // numbers alone, so no common divisor is ever sought.
  static std::optional<double> QuotientAt(const Polynomial& n, const Polynomial& d, double x);
  int SignAt(double x) const;
  // The coefficients, each the nearest Double; false when a coefficient lies beyond the Double
  // range or the degree beyond what PolynomT holds.
  bool RoundInto(PolynomT& p) const;

  fmpq_poly_struct* get() { return p_; }
  const fmpq_poly_struct* get() const { return p_; }

 private:
  fmpq_poly_t p_;
};

}  // namespace exact
