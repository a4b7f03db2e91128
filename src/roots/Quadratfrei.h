#pragma once

#include <string>
#include <vector>

namespace Analyse {

// s holds a term text on entry and its product text on return: one bracketed display term text
// per multiplicity level, equal neighbours written once with an exponent, the integer content in
// front when it exceeds 1.
void MFakFinden(std::string& s);

// Joins the factor texts, writing each run of equal neighbours once with "^" and its length.
std::string Feld2Prod(const std::vector<std::string>& a);

}  // namespace Analyse
