#include <array>
#include <string>
#include <vector>

#include "algebra/PolynomT.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "roots/ExakteNullstellen.h"
#include "roots/Faktorform.h"
#include "roots/Nullstellen.h"
#include "roots/Quadratfrei.h"

namespace {

// With its factors where they are known.
std::string ProductText(const PolynomT& p, const std::vector<Analyse::Potenz>* faktoren) {
  std::string t = p.Term2String();
  if (faktoren) {
    Analyse::MFakFinden(t, *faktoren);
  } else {
    Analyse::MFakFinden(t);
  }
  return t;
}

// The rest without real zeros in front, the linear factors, a positive constant rest other than 1
// at the end.
std::string Text(const std::vector<Analyse::Linearfaktor>& linear, const PolynomT& rest,
                 const std::vector<Analyse::Potenz>* faktoren = nullptr) {
  std::string Y;
  for (Analyse::Linearfaktor l : linear) {
    Zahl::RundnfAusg(l.x);
    Y += " * " + Zahl::Nulls2FakStr(l.x, l.vielfachheit);
  }
  if (rest.grad() > 0 || rest.Koeff[0] < 0) {
    Y = ProductText(rest, faktoren) + Y;
  } else if (rest.Koeff[0] != 1) {
    Y += " * " + text::Str(rest.Koeff[0]);
  }
  if (text::Left(Y, 2) == " *") Y = text::Mid(Y, 3);
  return Y;
}

}  // namespace

std::string PolynomT::Faktorform() const {
  if (grad() < 1) return Term2String2();
  PolynomT Q;
  Q.KopieVon(*this);
  ZeroSet S;
  Analyse::FindeNullstellen(Q, S);
  if (S.count() == 0) return ProductText(Q, nullptr);

  std::vector<Analyse::Linearfaktor> linear;
  for (int i = 1; i <= S.count(); ++i) {
    const double z = S[i];
    // A zero kept for the sign change of P across it, not for a small value, is a simple zero:
    // its value stays above the zero tolerance, so it is divided off once.
    int V = 0;
    if (Zahl::IstNull(FWert(z))) {
      V = Analyse::Abspalten(Q, z);
    } else {
      V = Q.grad() > 0 ? 1 : 0;
      Analyse::DurchLinearfaktor(Q, z, 1);
    }
    // A point that divides nothing off writes no factor, so the factors multiply to P.
    if (V > 0) linear.push_back({z, V});
  }
  return Text(linear, Q);
}

namespace Analyse {

std::string Faktorform(const PolynomT& P, const exact::Polynomial& exakt,
                       const std::vector<exact::SquareFreeFactor>& zerlegung) {
  if (P.grad() < 1) return P.Term2String2();
  // A factor without real zeros is all rest, kept exact; a factor with real zeros is simple, so
  // dividing its own zeros off it once each leaves its part of the rest as accurate as Doubles
  // hold it, and that part has degree 41 at most.
  exact::Polynomial ohneReelle = exact::Polynomial::Constant(1);
  fmpq_poly_set_fmpq(ohneReelle.get(), exakt.Coefficient(exakt.Degree()).get());
  for (const exact::SquareFreeFactor& f : zerlegung)
    if (Faktornullstellen(f).empty())
      ohneReelle = ohneReelle * f.factor.Monic().Pow(static_cast<unsigned long>(f.multiplicity));
  PolynomT rest;
  ohneReelle.RoundInto(rest);
  std::vector<Potenz> faktoren;
  for (const exact::SquareFreeFactor& f : zerlegung) {
    PolynomT Q;
    f.factor.Monic().RoundInto(Q);
    for (double z : Faktornullstellen(f)) DurchLinearfaktor(Q, z, 1);
    if (Q.grad() < 1) continue;
    if (!Faktornullstellen(f).empty())
      for (int i = 0; i < f.multiplicity; ++i) rest.Produkt(rest, Q);
    faktoren.push_back({Q.Koeff, f.multiplicity});
  }
  return Text(Linearfaktoren(zerlegung), rest, &faktoren);
}

}  // namespace Analyse
