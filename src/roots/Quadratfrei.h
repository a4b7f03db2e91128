#pragma once

#include <array>
#include <string>
#include <vector>

#include "algebra/PolynomT.h"

namespace Analyse {

// s holds a term text on entry and its product text on return: one bracketed display term text
// per multiplicity level, equal neighbours written once with an exponent, the integer content in
// front when it exceeds 1.
void MFakFinden(std::string& s);
// A factor of a polynomial, monic, with its multiplicity.
struct Potenz {
  std::array<double, PolynomT::kMaxGrad + 1> faktor;
  int vielfachheit;
};
// The same where the polynomial is known to be its leading coefficient times these coprime
// factors, so no tolerance can take a factor without real zeros, such as x^2 + 0.0000000001, for
// a square.
void MFakFinden(std::string& s, const std::vector<Potenz>& faktoren);

// Joins the factor texts, writing each run of equal neighbours once with "^" and its length.
std::string Feld2Prod(const std::vector<std::string>& a);

}  // namespace Analyse
