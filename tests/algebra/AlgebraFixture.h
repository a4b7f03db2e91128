#pragma once

#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"

// A fresh context per test, registered as the one the core reaches, with the binomial table
// filled as the window fills it when it opens.
class AlgebraTest : public ::testing::Test {
 protected:
  AlgebraTest() {
    kontext.Registrieren();
    kontext.FuelleBinKoeff();
  }

  CoreContext kontext;
};

// Coefficients in ascending powers: {c0, c1, c2, ...}.
inline void Setze(PolynomT& p, std::initializer_list<double> koeff) {
  p.Nullen();
  int i = 0;
  for (double c : koeff) p.Koeff[i++] = c;
}

inline std::vector<double> Koeffizienten(const PolynomT& p) {
  const int g = p.grad();
  return std::vector<double>(p.Koeff.begin(), p.Koeff.begin() + (g < 0 ? 0 : g + 1));
}
