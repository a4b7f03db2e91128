#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "algebra/ZeroSet.h"

// A polynomial in x over Double with room for the powers x^0 .. x^42. Results are written into
// the receiver, which may also be an operand. Not copyable: a copy is always explicit (KopieVon),
// so a reference can never silently become a copy.
class PolynomT {
 public:
  static constexpr int kMaxGrad = 42;

  std::array<double, kMaxGrad + 1> Koeff{};
  double xmin = 0;
  double xmax = 0;
  double ymin = 0;
  double ymax = 0;

  PolynomT() = default;
  PolynomT(const PolynomT&) = delete;
  PolynomT& operator=(const PolynomT&) = delete;

  int grad() const;
  void Summe(const PolynomT& a, const PolynomT& b);
  void SMal(double c, const PolynomT& a);
  void Abl(const PolynomT& a);
  double FWert(double x) const;
  bool IstNull() const;
  bool IstKonstant() const;
  void Diff(const PolynomT& a, const PolynomT& b);
  void KopieVon(const PolynomT& a);
  std::string Term2String() const;
  void zeigen() const;
  void Produkt(const PolynomT& a, const PolynomT& b);
  void Nullen();
  void PdurchxminusB(const PolynomT& P, double b);
  std::string Faktorform() const;
  std::string NullstellenString() const;
  double Integral(double a, double b) const;
  void Nullstellenmenge(ZeroSet& menge) const;
  void Differenz(const PolynomT& a, const PolynomT& b);
  void switch_(PolynomT& a);
  void EckenErmitteln(ZeroSet& menge);
  void xVerschiebungUm(double h);
  void PDurch(const PolynomT& B, PolynomT& Q, PolynomT& R);
  void Einsen();
  void ggT(const PolynomT& A, const PolynomT& B);
  std::string Term2String2() const;
  std::int32_t ggF() const;
  bool IstGanzzahlig() const;
  void Runden(std::int32_t n);

  // False once arithmetic has overflowed into an infinity or nan: such a coefficient has no
  // term text that reads back.
  bool AllFinite() const;
};
