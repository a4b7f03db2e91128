#include "algebra/PolynomT.h"

#include <algorithm>
#include <cmath>

#include "algebra/CoreContext.h"
#include "algebra/Zahlen.h"

namespace {
constexpr int kN = PolynomT::kMaxGrad + 1;
}

int PolynomT::grad() const {
  int g = -1;
  for (int i = 0; i < kN; ++i)
    if (!Zahl::IstNull(Koeff[i])) g = i;
  return g;
}

void PolynomT::Summe(const PolynomT& a, const PolynomT& b) {
  for (int i = 0; i < kN; ++i) Koeff[i] = a.Koeff[i] + b.Koeff[i];
}

void PolynomT::SMal(double c, const PolynomT& a) {
  for (int i = 0; i < kN; ++i) Koeff[i] = c * a.Koeff[i];
}

void PolynomT::Abl(const PolynomT& a) {
  PolynomT t;
  for (int i = 0; i < kMaxGrad; ++i) t.Koeff[i] = static_cast<double>(i + 1) * a.Koeff[i + 1];
  KopieVon(t);
}

double PolynomT::FWert(double x) const {
  double s = 0;
  for (int n = kMaxGrad; n >= 0; --n) {
    s = s * x;
    s = s + Koeff[n];
  }
  return s;
}

bool PolynomT::IstNull() const {
  return grad() == -1;
}

bool PolynomT::IstKonstant() const {
  return grad() < 1;
}

void PolynomT::Diff(const PolynomT& a, const PolynomT& b) {
  Differenz(a, b);
}

void PolynomT::KopieVon(const PolynomT& a) {
  Koeff = a.Koeff;
}

void PolynomT::Produkt(const PolynomT& a, const PolynomT& b) {
  PolynomT t;
  const int da = a.grad();
  const int db = b.grad();
  if (da + db >= kMaxGrad) {
    CoreContext::Instanz().MsgBox(
        "Wegen Gradüberschreitung wird als Teilergebnis das Nullpolynom eingesetzt");
  } else if (da >= 0 && db >= 0) {
    for (int i = 0; i <= da; ++i)
      for (int j = 0; j <= db; ++j) t.Koeff[i + j] = t.Koeff[i + j] + a.Koeff[i] * b.Koeff[j];
  }
  KopieVon(t);
}

void PolynomT::Nullen() {
  Koeff.fill(0.0);
}

void PolynomT::Einsen() {
  Nullen();
  Koeff[0] = 1;
}

double PolynomT::Integral(double a, double b) const {
  PolynomT F;
  for (int e = kMaxGrad; e >= 1; --e) F.Koeff[e] = Koeff[e - 1] / e;
  return F.FWert(b) - F.FWert(a);
}

void PolynomT::Differenz(const PolynomT& a, const PolynomT& b) {
  for (int i = 0; i < kN; ++i) Koeff[i] = a.Koeff[i] - b.Koeff[i];
}

void PolynomT::switch_(PolynomT& a) {
  std::swap(Koeff, a.Koeff);
}

bool PolynomT::AllFinite() const {
  return std::ranges::all_of(Koeff, [](double c) { return std::isfinite(c); });
}
