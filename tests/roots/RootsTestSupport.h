#pragma once

#include <vector>

#include "CoreTest.h"
#include "TestPolynomials.h"
#include "algebra/CoreContext.h"
#include "algebra/ZeroSet.h"

inline std::vector<double> Punkte(const ZeroSet& z) {
  return z.points();
}

// A text written of a product of factors at a result rounding.
struct ProductTextCase {
  const char* why;
  Factors factors;
  int stellenzahl;
  const char* text;
};

// p := the case's product, with the case's result rounding set in k.
inline void SetzeFall(CoreContext& k, PolynomT& p, const ProductTextCase& c) {
  k.Stellenzahl = c.stellenzahl;
  SetzeProdukt(p, c.factors);
}
