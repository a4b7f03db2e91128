#pragma once

#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"

// A fresh registered context per test, with the binomial table the window fills when it opens.
class LogicTest : public ::testing::Test {
 protected:
  LogicTest() {
    kontext.Registrieren();
    kontext.FuelleBinKoeff();
  }

  // RR := f, f', f'' as the evaluation run builds them before the analysis.
  void Ableitungen(const RationalT& f) {
    kontext.RR[0].KopieVon(f);
    kontext.RR[1].Abl(kontext.RR[0]);
    kontext.RR[2].Abl(kontext.RR[1]);
  }

  CoreContext kontext;
};

using Koeffizienten = std::vector<double>;

// Coefficients in ascending powers: {c0, c1, c2, ...}.
inline void Setze(PolynomT& p, const Koeffizienten& koeff) {
  p.Nullen();
  for (std::size_t i = 0; i < koeff.size(); ++i) p.Koeff[i] = koeff[i];
}

inline void Setze(RationalT& f, const Koeffizienten& zl, const Koeffizienten& nn) {
  Setze(f.Zl, zl);
  Setze(f.Nn, nn);
  f.Np = 1;
}

inline Koeffizienten Von(const PolynomT& p) {
  const int g = p.grad();
  return Koeffizienten(p.Koeff.begin(), p.Koeff.begin() + (g < 0 ? 0 : g + 1));
}

// (x-2)(x^2+x+1)(x^2-3) over (x+4)(x^2+1)^2, the function the window starts with.
inline void SetzeStartfunktion(RationalT& f) {
  Setze(f, {6, 3, 1, -4, -1, 1}, {4, 1, 8, 2, 4, 1});
}
