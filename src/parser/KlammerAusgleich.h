#pragma once

#include <string>

// The second stage of the term parser: bracket balance and explicit products.
namespace Parser {

// Refuses (ok false, s unchanged) a ")" that closes nothing and a "*" without a factor on either
// side. Otherwise closes the brackets left open at the end and rewrites each "*" so that its right
// factor, up to the end of its term, stands in a bracket pair of its own. Never sets ok.
void KlammerAusgleich(std::string& s, bool& ok);

}  // namespace Parser
