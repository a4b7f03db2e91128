#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"

// Polynomials and functions of the core tests, written as coefficient lists.

// Coefficients in ascending powers: {c0, c1, c2, ...}.
using Koeffizienten = std::vector<double>;

// Coefficients beyond x^42 are dropped.
inline void Setze(PolynomT& p, const Koeffizienten& koeff) {
  p.Nullen();
  for (std::size_t i = 0; i < koeff.size() && i < p.Koeff.size(); ++i) p.Koeff[i] = koeff[i];
}

// f := zl / nn^np.
inline void Setze(RationalT& f, const Koeffizienten& zl, const Koeffizienten& nn,
                  std::int32_t np = 1) {
  Setze(f.Zl, zl);
  Setze(f.Nn, nn);
  f.Np = np;
}

// Up to the degree: the zero polynomial gives none.
inline Koeffizienten KoeffizientenVon(const PolynomT& p) {
  const int g = p.grad();
  return Koeffizienten(p.Koeff.begin(), p.Koeff.begin() + (g < 0 ? 0 : g + 1));
}

// The function the window opens with, (x-2)(x^2+x+1)(x^2-3) / ((x+4)(x^2+1)^2), multiplied out.
inline void SetzeStartfunktion(RationalT& f) {
  Setze(f, {6, 3, 1, -4, -1, 1}, {4, 1, 8, 2, 4, 1});
}

// RR := f, f', f'' as the evaluation run sets them before the analysis.
inline void SetzeRR(CoreContext& k, const RationalT& f) {
  k.RR[0].KopieVon(f);
  k.RR[1].Abl(k.RR[0]);
  k.RR[2].Abl(k.RR[1]);
}
