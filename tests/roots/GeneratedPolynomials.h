#pragma once

#include <string>
#include <vector>

#include "algebra/PolynomT.h"

// Polynomials made by a fixed-seed generator, the same on every machine.
struct GeneratedPolynomial {
  std::string name;
  std::vector<double> koeff;  // ascending powers
  // The real zeros by construction, each once, ascending, with the multiplicity of each, when
  // known (not for derivative numerators and random coefficients).
  bool zerosKnown = false;
  std::vector<double> zeros;
  std::vector<int> multiplicities;
};

struct SchoolFunction {
  GeneratedPolynomial zl;
  GeneratedPolynomial nn;
};

// School functions: numerator and denominator each with at most three (two) linear factors of
// small multiplicities, an optional quadratic factor without real zero and a constant factor.
std::vector<SchoolFunction> SchoolFunctions(int count);

// The numerators, denominators and numerators of the first derivatives of school functions, of
// degree 2 and more.
std::vector<GeneratedPolynomial> SchoolPolynomials(int functions);

// The comparison corpus of degrees 2 to 42, mostly low: school polynomials, clusters of multiple
// zeros, random coefficients, wide products and a few of degree 42.
std::vector<GeneratedPolynomial> ComparisonCorpus();

void Setze(PolynomT& p, const GeneratedPolynomial& g);
