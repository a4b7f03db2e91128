#pragma once

#include <string>

// The first stage of the term parser, on the text as typed.
namespace Parser {

// Refuses (ok false, s empty) a text holding "**", "^x", "x^(" or "e", a character other than
// digits, x, "+-*^", ".", ",", round brackets and blanks (a Tab is one), and blanks between two
// parts of numbers. Otherwise reduces s to "0123456789.()-+x^*", a "," becoming "." and blanks
// dropped. Never sets ok.
void Grobkontrolle(std::string& s, bool& ok);

}  // namespace Parser
