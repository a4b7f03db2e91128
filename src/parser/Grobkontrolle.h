#pragma once

#include <string>

// The first stage of the term parser, on the text as typed.
namespace Parser {

// Refuses (ok false, s empty) a text holding "**", "^x", "x^(" or "e"; otherwise reduces s to
// "0123456789.()-+x^*", a "," becoming ".". Never sets ok.
void Grobkontrolle(std::string& s, bool& ok);

}  // namespace Parser
