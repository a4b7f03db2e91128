#pragma once

#include <gtest/gtest.h>

#include <flint/flint.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "algebra/PolynomT.h"
#include "exact/Polynomial.h"
#include "exact/Term.h"

namespace exact {

// gtest prints a polynomial as FLINT writes it, so a failing row shows the term.
inline void PrintTo(const Polynomial& p, std::ostream* os) {
  char* text = fmpq_poly_get_str_pretty(p.get(), "x");
  *os << text;
  flint_free(text);
}

}  // namespace exact

// The exact polynomial a term text denotes; the zero polynomial, with a failure, when the
// reader refuses it.
inline exact::Polynomial Term(const std::string& text) {
  const std::optional<exact::Polynomial> p = exact::ReadTerm(text);
  EXPECT_TRUE(p.has_value()) << "the reader refuses " << text;
  return p.value_or(exact::Polynomial());
}

// The polynomial with these exact decimal coefficients, in ascending powers.
inline exact::Polynomial Decimals(const std::vector<std::string>& ascending) {
  exact::Polynomial p;
  exact::Polynomial power = exact::Polynomial::Constant(1);
  for (const std::string& c : ascending) {
    p = p + exact::Polynomial::Decimal(c) * power;
    power = power * exact::Polynomial::X();
  }
  return p;
}

// Horner's scheme from the top as the root finder runs it, in plain Doubles.
inline double HornerValue(const std::array<double, PolynomT::kMaxGrad + 1>& c, double x) {
  double s = 0;
  for (int i = PolynomT::kMaxGrad; i >= 0; --i) s = s * x + c[static_cast<std::size_t>(i)];
  return s;
}
