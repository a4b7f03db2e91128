#pragma once

#include <cstdint>
#include <string>

#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"
#include "exact/Cascade.h"

// The root finder exactly as the algorithm reads, step by step, with the same mends as the fast
// one: the bracket list repeats its points, every bracket point is evaluated twice per pass and
// the bisection evaluates both P(a) and P(m) in every step. It is the oracle the fast root finder
// is compared with bit for bit, and the baseline of the benchmarks; it counts its evaluations of
// the derivative list into `evaluations`.
namespace literal {

// The bound of Horner's rounding error for P of degree d at x.
double Noise(const PolynomT& P, int d, double x);
double GibNullst(const PolynomT& P, double a, double b, std::int64_t& evaluations);
void FindeNullstellen(const PolynomT& P, ZeroSet& Z, std::int64_t& evaluations);
// The same on the rounded derivatives of an exact polynomial without multiple zeros, every sign
// decided exactly.
void FindeNullstellen(const exact::Cascade& P, ZeroSet& Z, std::int64_t& evaluations);

// The callers of the root finder, on the literal root finder.
void FindeKP(const RationalT& R, ZeroSet& K, std::int64_t& evaluations);
void EckenErmitteln(RationalT& f, std::int64_t& evaluations);
std::string Faktorform(const PolynomT& P, std::int64_t& evaluations);

}  // namespace literal
