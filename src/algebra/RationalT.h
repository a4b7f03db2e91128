#pragma once

#include <cstdint>
#include <string>

#include "algebra/PolynomT.h"

// f(x) = Zl(x) / Nn(x)^Np. The two polynomials belong to the object for its whole life; the
// operations change their coefficients, never the objects. Not copyable, like PolynomT.
class RationalT {
 public:
  PolynomT Zl;
  PolynomT Nn;
  std::int32_t Np = 1;
  double xmin = 0;
  double xmax = 0;
  double ymin = 0;
  double ymax = 0;

  RationalT() = default;
  RationalT(const RationalT&) = delete;
  RationalT& operator=(const RationalT&) = delete;

  std::string Term2string() const;
  void zeigen() const;
  void Abl(const RationalT& f);
  double FWert(double x) const;
  void KopieVon(const RationalT& f);
  void Switch(RationalT& f);
  void Produkt(const RationalT& a, const RationalT& b);
  void Nullen();
  void EckenErmitteln();
  void Differenz(const RationalT& f, const RationalT& g);
  void Kuerzen(std::string& report);
  void InNKuerzen();

  bool AllFinite() const;
};
