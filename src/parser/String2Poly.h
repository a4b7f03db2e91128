#pragma once

#include <string>

#include "algebra/PolynomT.h"

// Reading a bracket-free term text, the last stage of the term parser and the way back from every
// term text the algebra writes.
namespace Parser {

// Sets ok itself; refuses (ok false, P untouched) "x" directly followed by a digit, a piece with
// more than 42 letters x and a coefficient that is not finite. On success all 43 coefficients of P
// are replaced.
void String2Poly(PolynomT& P, std::string s, bool& ok);

// The characters of s that belong to "0123456789+-x*." or are "^", in their order.
std::string FehlzeichenKillen(const std::string& s);

// Replaces the first occurrence of sought until there is none; replacement must not contain sought.
std::string ZeichenReduzieren(std::string s, const std::string& sought,
                              const std::string& replacement);

// Loop guard on the parser's counter wzaehler: clears ok from the 501st call after String2Poly.
void Whilekontrolle(bool& ok);

}  // namespace Parser
