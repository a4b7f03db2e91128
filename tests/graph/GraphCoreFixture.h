#pragma once

#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "DisplayListQueries.h"
#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"

// A fresh context per test, registered as the one the core reaches.
class GraphCoreTest : public ::testing::Test {
 protected:
  GraphCoreTest() {
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

// The function the window opens with, (x-2)(x^2+x+1)(x^2-3) / ((x+4)(x^2+1)^2), multiplied out.
inline void SetzeStartfunktion(RationalT& f) {
  Setze(f.Zl, {6, 3, 1, -4, -1, 1});
  Setze(f.Nn, {4, 1, 8, 2, 4, 1});
  f.Np = 1;
}
