#pragma once

#include <string>

// Between the bracket balance and the bracket rewriting: once a power has been multiplied out, the
// evidence of a power the rewriting cannot read is gone, so such terms are refused here.
namespace Parser {

// Refuses (ok false, s unchanged) what the later stages would read as something other than typed:
// a "^" that follows neither "x" nor ")", a "^" without a digit run, a power of x outside 1..42 or
// with a leading zero, a fractional exponent, "x" directly before ".", a number without a digit
// or with two decimal points, and a bracket holding nothing or only signs. Writes the rest in the
// one form the rewriting reads as typed: x^+2 and x^^2 as x^2, every run of signs as the one sign
// it means (the rewriting would negate only the first term of the bracket in «--(x+1)»), and no
// sign before ")". Never sets ok.
void NormalizeTerm(std::string& s, bool& ok);

}  // namespace Parser
