#include <string>
#include <vector>

#include "algebra/PolynomT.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "roots/Nullstellen.h"
#include "roots/Quadratfrei.h"

namespace {

std::string ProductText(const PolynomT& p) {
  std::string t = p.Term2String();
  Analyse::MFakFinden(t);
  return t;
}

}  // namespace

std::string PolynomT::Faktorform() const {
  if (grad() < 1) return Term2String2();
  PolynomT Q;
  Q.KopieVon(*this);
  ZeroSet S;
  Analyse::FindeNullstellen(Q, S);
  if (S.count() == 0) return ProductText(Q);

  std::string Y;
  for (int i = 1; i <= S.count(); ++i) {
    double z = S[i];
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
    if (V == 0) continue;
    Zahl::RundnfAusg(z);
    Y += " * " + Zahl::Nulls2FakStr(z, V);
  }

  if (Q.grad() > 0 || Q.Koeff[0] < 0) {
    Y = ProductText(Q) + Y;
  } else if (Q.Koeff[0] != 1) {
    Y += " * " + text::Str(Q.Koeff[0]);
  }
  if (text::Left(Y, 2) == " *") Y = text::Mid(Y, 3);
  return Y;
}
