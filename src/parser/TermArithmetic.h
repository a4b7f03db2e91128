#pragma once

#include <cstdint>
#include <string>

// Powers and products of bracket-free terms for the bracket rewriting. Results come back as term
// texts, so every intermediate result is rounded exactly as the term text writes it. A refused
// operand, a constant raised beyond 1000 and a result that is not finite clear ok (and give "0");
// ok is never set.
namespace Parser {

// "1" for n < 1, "(t)" for n = 1, otherwise the term text of t to the n-th power.
std::string Potenzieren(const std::string& t, std::int32_t n, bool& ok);

// The term text of the product of a and b.
std::string Produkt(const std::string& a, const std::string& b, bool& ok);

}  // namespace Parser
