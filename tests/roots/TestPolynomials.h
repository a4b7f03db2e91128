#pragma once

#include <cstddef>
#include <vector>

#include "TestFunctions.h"
#include "algebra/PolynomT.h"

// The polynomials the roots tests and the roots benchmark share.

// A product of factors, each in ascending powers.
using Factors = std::vector<std::vector<double>>;

// The product of two coefficient lists in ascending powers.
inline std::vector<double> Mal(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> r(a.size() + b.size() - 1, 0.0);
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < b.size(); ++j) r[i + j] = r[i + j] + a[i] * b[j];
  return r;
}

// p := p * f, f in ascending powers, `times` times, up to degree 42: PolynomT::Produkt stops at 41.
inline void MalFaktor(PolynomT& p, const std::vector<double>& f, int times = 1) {
  for (int t = 0; t < times; ++t) {
    std::vector<double> r = Mal(std::vector<double>(p.Koeff.begin(), p.Koeff.end()), f);
    r.resize(PolynomT::kMaxGrad + 1);
    Setze(p, r);
  }
}

// p := the product of the factors, each in ascending powers; 1 for none.
inline void SetzeProdukt(PolynomT& p, const Factors& factors) {
  Setze(p, {1});
  for (const auto& f : factors) MalFaktor(p, f);
}

// The three degree-42 polynomials of the speed goal.
inline void Tschebyschow42(PolynomT& p) {
  PolynomT prev;
  Setze(prev, {1});
  Setze(p, {0, 1});
  for (int n = 2; n <= 42; ++n) {
    PolynomT next;
    for (int i = 1; i <= PolynomT::kMaxGrad; ++i) next.Koeff[i] = 2 * p.Koeff[i - 1];
    for (int i = 0; i <= PolynomT::kMaxGrad; ++i) next.Koeff[i] = next.Koeff[i] - prev.Koeff[i];
    prev.KopieVon(p);
    p.KopieVon(next);
  }
}

inline void Fakultaetspolynom42(PolynomT& p) {
  Setze(p, {1});
  for (int k = 1; k <= 42; ++k) MalFaktor(p, {-double(k), 1});
}

inline void QuadratMinusEins21(PolynomT& p) {
  Setze(p, {1});
  MalFaktor(p, {-1, 0, 1}, 21);
}

// Degree 20 with multiple zeros and a rest without real zeros:
// (x - 1)^2 (x + 2)^3 (x - 3) (x^2 + 1)^3 (x^2 + x + 1)^4.
inline void Grad20(PolynomT& p) {
  Setze(p, {1});
  MalFaktor(p, {-1, 1}, 2);
  MalFaktor(p, {2, 1}, 3);
  MalFaktor(p, {-3, 1});
  MalFaktor(p, {1, 0, 1}, 3);
  MalFaktor(p, {1, 1, 1}, 4);
}
