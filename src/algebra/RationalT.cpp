#include "algebra/RationalT.h"

#include <cmath>

#include "algebra/CoreContext.h"
#include "algebra/TextSemantics.h"
#include "exact/Function.h"
#include "exact/TermText.h"

namespace {
bool HasSign(const std::string& s) {
  return text::InStr(s, "+") != 0 || text::InStr(s, "-") != 0;
}
}  // namespace

std::string RationalT::Zaehlertext() const {
  const exact::Function* e = exact::ExactOf(*this);
  return e ? e->TermText(0) : Zl.Term2String();
}

std::string RationalT::Nennertext() const {
  const exact::Function* e = exact::ExactOf(*this);
  return e ? e->TermText(1) : Nn.Term2String();
}

std::string RationalT::Term2string() const {
  std::string z = Zaehlertext();
  if (HasSign(z)) z = "(" + z + ")";
  std::string d = Nennertext();
  if (Np >= 2) {
    d = "(" + d + ")^" + text::Str(Np);
  } else if (HasSign(d)) {
    d = "(" + d + ")";
  }
  return z + " / " + d;
}

void RationalT::zeigen() const {
  CoreContext::Instanz().MsgBox(Term2string());
}

void RationalT::Abl(const RationalT& f) {
  const std::int32_t fNp = f.Np;
  if (f.Nn.grad() == 0) {
    Zl.Abl(f.Zl);
    Nn.KopieVon(f.Nn);
    Np = fNp;
    return;
  }
  PolynomT a;
  a.Abl(f.Zl);
  PolynomT b;
  b.Abl(f.Nn);
  a.Produkt(a, f.Nn);
  b.Produkt(b, f.Zl);
  for (std::int32_t i = 1; i <= fNp; ++i) a.Differenz(a, b);
  Zl.KopieVon(a);
  Nn.KopieVon(f.Nn);
  // With exponent 0 the function is its numerator: Zl' * Nn / Nn^1.
  Np = fNp >= 1 ? fNp + 1 : 1;
  if (Zl.grad() == -1) Nn.Einsen();
}

double RationalT::FWert(double x) const {
  const double d = Nn.FWert(x);
  const double p = std::pow(d, static_cast<double>(Np));
  const double n = Zl.FWert(x);
  return n / p;
}

void RationalT::KopieVon(const RationalT& f) {
  Zl.KopieVon(f.Zl);
  Nn.KopieVon(f.Nn);
  Np = f.Np;
  exakt = f.exakt;
}

void RationalT::Switch(RationalT& f) {
  f.Zl.switch_(Zl);
  f.Nn.switch_(Nn);
  std::swap(Np, f.Np);
  exakt.swap(f.exakt);
}

void RationalT::Nullen() {
  Zl.Nullen();
  Nn.Nullen();
  Np = 0;
  Nn.Koeff[0] = 1;
}

void RationalT::Produkt(const RationalT& a, const RationalT& b) {
  const int s = a.Zl.grad() + b.Zl.grad() + a.Nn.grad() + b.Nn.grad();
  if (s > PolynomT::kMaxGrad) {
    CoreContext::Instanz().MsgBox("Zu viele Faktoren");
    return;
  }
  // Built apart and copied in last, so the receiver may be an operand.
  RationalT t;
  t.Zl.Produkt(a.Zl, b.Zl);
  if (t.Zl.grad() == -1) {
    t.Nullen();
  } else {
    t.Nn.Produkt(a.Nn, b.Nn);
  }
  KopieVon(t);
}

void RationalT::Differenz(const RationalT& f, const RationalT& g) {
  PolynomT p1;
  p1.Produkt(f.Zl, g.Nn);
  PolynomT p2;
  p2.Produkt(f.Nn, g.Zl);
  PolynomT p3;
  p3.Differenz(p1, p2);
  PolynomT p4;
  p4.Produkt(f.Nn, g.Nn);
  PolynomT p5;
  p5.ggT(p3, p4);
  PolynomT rest;
  PolynomT zl;
  p3.PDurch(p5, zl, rest);
  PolynomT nn;
  p4.PDurch(p5, nn, rest);
  Zl.KopieVon(zl);
  Nn.KopieVon(nn);
  // The difference is a plain quotient; only the zero function keeps the exponent 0.
  Np = Zl.grad() == -1 ? 0 : 1;
}

bool RationalT::AllFinite() const {
  return Zl.AllFinite() && Nn.AllFinite();
}
