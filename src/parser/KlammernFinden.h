#pragma once

#include <cstdint>
#include <string>

// The bracket rewriting: one bracket pair per pass, the one that closes first, until none is left.
namespace Parser {

// Rewrites s so that it holds no bracket; clears ok at the pass limit (1000 passes of one
// invocation) or when a power or product refuses its operands. A bracket that no rule can rewrite
// ends the rewriting with its brackets left in s.
void KlammernFinden(std::string& s, bool& ok);

// The characters of t that belong to "0123456789+-x()." or are "^", in their order.
std::string LeerzeichenKillen(const std::string& t);

// With i the 1-based position of a "(": e becomes the position of the ")" that closes it, or the
// last position of t when none does; flat tells whether no "(" lies in between.
void FindeKlammerschluss(const std::string& t, std::int32_t i, std::int32_t& e, bool& flat);

}  // namespace Parser
