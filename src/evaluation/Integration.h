#pragma once

#include <string>

#include "algebra/RationalT.h"

namespace Auswertung {

struct Integralwert {
  bool ok = false;
  // Not finite when the step or the sum is not; such a value is no result.
  double wert = 0;
  // The largest gap of f in the closed interval, when there is one.
  double luecke = 0;
};

// The integral of f from a to b as h times the sum of f at the 100001 points a, a + h, ..., b,
// both ends at full weight; refused when a gap of f lies in the closed interval (the product
// (a - x)(b - x) negative or zero within 1e-9).
Integralwert Integriere(const RationalT& f, double a, double b);

// What a stored integral belongs to: a request integrates again whenever its key differs.
struct Integralschluessel {
  std::string funktion;
  double a = 0;
  double b = 0;
  bool operator==(const Integralschluessel&) const = default;
};

}  // namespace Auswertung
