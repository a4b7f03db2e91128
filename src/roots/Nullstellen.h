#pragma once

#include <cstdint>

#include "algebra/PolynomT.h"
#include "algebra/ZeroSet.h"

namespace exact {
class Cascade;
}

namespace Analyse {

// Points this close or closer are one point of a zero set.
constexpr double kMergeDistance = 1e-5;

// Z := the real zeros of P, ascending, more than 1e-5 apart.
void FindeNullstellen(const PolynomT& P, ZeroSet& Z);

// The same, adding the number of polynomial evaluations it took to `evaluations`; the benchmarks
// and tests compare it with the straightforward reference in tests/roots.
void FindeNullstellen(const PolynomT& P, ZeroSet& Z, std::int64_t& evaluations);

// Z := the real zeros of the polynomial behind the cascade, which must have no multiple zero:
// the same search on its rounded derivatives, every sign decided exactly, and every zero kept,
// however close to the next.
void FindeNullstellen(const exact::Cascade& P, ZeroSet& Z, std::int64_t& evaluations);

// A zero of P between a and b by bisection; the caller gives P(a) * P(b) < 0.
double GibNullst(const PolynomT& P, double a, double b);

// p := p / (x - z)^mal, the remainder dropped; a constant p stays as it is.
void DurchLinearfaktor(PolynomT& p, double z, int mal);

// Divides x - z off p as long as z stays a zero of it by the zero tolerance and p is not
// constant; returns how often.
int Abspalten(PolynomT& p, double z);

// Of every run of points each within 1e-5 of its successor only the last stays.
void Doppelkillen(ZeroSet& Z);

// R := each point of A once for every point of B exactly equal to it, in the order of A.
void Schneide(const ZeroSet& A, const ZeroSet& B, ZeroSet& R);

// Keeps the points of X that lie more than 1e-5 from every gap of G and from their successor and
// at which f, f' or f'' of the last evaluation run vanishes.
void Reinigen(ZeroSet& X, const ZeroSet& G);

}  // namespace Analyse
