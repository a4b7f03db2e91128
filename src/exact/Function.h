#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "algebra/PolynomT.h"
#include "exact/Polynomial.h"
#include "exact/SquareFree.h"

class RationalT;

namespace exact {

// The exact numerator and denominator of a function f = Zl / Nn, with what the analysis asks of
// them, each worked out once on first use: the square-free decompositions of both terms, and the
// numerators and denominators of f, f' and f'' in lowest terms.
class Function {
 public:
  // Remembers the Doubles of f, so that it describes f only as long as they stay unchanged.
  Function(Polynomial numerator, Polynomial denominator, const RationalT& f);

  // True while f has the Doubles this was made for and no denominator exponent.
  bool Describes(const RationalT& f) const;

  const Polynomial& Numerator() const { return terms_[0]; }
  const Polynomial& Denominator() const { return terms_[1]; }
  // The term text of the numerator (0) or the denominator (1): the fields, the function list and
  // the change test of every field write ask for it, and a long term takes a while to write.
  const std::string& TermText(int term) const;
  // The square-free decomposition of the numerator (0) or the denominator (1).
  const std::vector<SquareFreeFactor>& TermFactors(int term) const;
  // The square-free decomposition of the numerator of the derivative of order i = 0, 1, 2 in
  // lowest terms: its zeros are exactly the points where that derivative vanishes.
  const std::vector<SquareFreeFactor>& DerivativeFactors(int i) const;
  // Where f, f' or f'' vanish, each point once: square-free, pairwise coprime factors, each with
  // the derivatives it is a zero of (bit i for the derivative of order i).
  struct CriticalFactor {
    SquareFreeFactor factor;
    unsigned zeroOf;
  };
  const std::vector<CriticalFactor>& CriticalFactors() const;
  // The value of the derivative of order i at x, rounded once; nothing at a pole.
  std::optional<double> Value(int i, double x) const;

 private:
  struct Quotient {
    Polynomial numerator;
    Polynomial denominator;
  };
  const Quotient& Derivative(int i) const;

  std::array<Polynomial, 2> terms_;
  std::array<std::array<double, PolynomT::kMaxGrad + 1>, 2> doubles_{};
  mutable std::array<std::optional<std::vector<SquareFreeFactor>>, 2> termFactors_;
  mutable std::array<std::optional<std::string>, 2> termTexts_;
  mutable std::vector<Quotient> derivatives_;
  mutable std::array<std::optional<std::vector<SquareFreeFactor>>, 3> derivativeFactors_;
  mutable std::optional<std::vector<CriticalFactor>> criticalFactors_;
};

// The exact terms of f, where f carries them and they still describe it.
const Function* ExactOf(const RationalT& f);

}  // namespace exact
