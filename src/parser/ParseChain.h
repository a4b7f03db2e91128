#pragma once

#include <optional>
#include <string>

#include "algebra/PolynomT.h"
#include "exact/Polynomial.h"

namespace Parser {

// The whole way from a typed term to a polynomial: the rough check, the bracket balance, the
// bracket rewriting and the bracket-free reading, with the texts outside the term language refused
// on the way. Sets ok itself; target is written only when the term is accepted.
void ParseChain(std::string s, PolynomT& target, bool& ok);

// The first stages alone, up to the normalized term the bracket rewriting takes up: signs
// collapsed, brackets closed, blanks dropped. Refuses what ParseChain refuses on the way there.
void NormalizedTerm(std::string& s, bool& ok);

// The term read as the exact polynomial it denotes, on the normalized term; nothing where the
// first stages refuse it or the exact reading cannot take it (tooLong as exact::ReadTerm says).
std::optional<exact::Polynomial> ExactTerm(std::string s, bool* tooLong = nullptr);

}  // namespace Parser
