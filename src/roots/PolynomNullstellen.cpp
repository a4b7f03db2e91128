#include <string>

#include "algebra/PolynomT.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "roots/Nullstellen.h"

std::string PolynomT::NullstellenString() const {
  ZeroSet Z;
  Analyse::FindeNullstellen(*this, Z);
  if (Z.count() == 0) return "";
  // The first zero is written as found, the others snapped.
  std::string s = text::Str(Z[1]);
  for (int i = 2; i <= Z.count(); ++i) s += " , " + text::Str(Zahl::Runden(Z[i]));
  return s;
}

void PolynomT::Nullstellenmenge(ZeroSet& menge) const {
  Analyse::FindeNullstellen(*this, menge);
}
