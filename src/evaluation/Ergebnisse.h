#pragma once

#include <string>

#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"

namespace Auswertung {

// The texts of the result fields for one analysed function.
struct Ergebnistexte {
  std::string nullstellen;  // AusgF2
  std::string zaehlerForm;  // AusgF1
  std::string nennerForm;   // AusgF1N
  std::string luecken;      // AusgF2N
  bool asymptoteZeigen = false;
  std::string asymptote;  // AsyAusgF
  // A zero numerator makes the denominator the constant 1, and its field shows "1".
  bool nennerAufEins = false;
};

// Zeros, gaps, critical points, factor forms and the asymptote of f, whose f, f' and f'' the
// context's RR already hold. Writes the critical points into KPMenge and, for a non-constant
// denominator, the polynomial part of f into Asymptote and the remainder into PPP.
Ergebnistexte Analysiere(RationalT& f, ZeroSet& KPMenge, PolynomT& Asymptote, PolynomT& PPP);

}  // namespace Auswertung
