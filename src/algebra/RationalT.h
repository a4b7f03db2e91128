#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "algebra/PolynomT.h"

namespace exact {
class Function;
}

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
  // The exact terms f was read from, where they are known; they describe f only while its
  // Doubles are the ones they were made for (exact::Function::Describes).
  std::shared_ptr<const exact::Function> exakt;

  RationalT() = default;
  RationalT(const RationalT&) = delete;
  RationalT& operator=(const RationalT&) = delete;

  std::string Term2string() const;
  // The term texts of numerator and denominator: from the exact terms where f carries them, so
  // that the parser reads back exactly these terms, else from the Doubles.
  std::string Zaehlertext() const;
  std::string Nennertext() const;
  void zeigen() const;
  void Abl(const RationalT& f);
  double FWert(double x) const;
  void KopieVon(const RationalT& f);
  void Switch(RationalT& f);
  void Produkt(const RationalT& a, const RationalT& b);
  void Nullen();
  void EckenErmitteln();
  void Differenz(const RationalT& f, const RationalT& g);
  // Both return the whole number numerator and denominator were divided by, 1 for none.
  std::int64_t Kuerzen(std::string& report);
  std::int64_t InNKuerzen();

  bool AllFinite() const;
};
