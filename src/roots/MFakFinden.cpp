#include <cstdint>
#include <string>
#include <vector>

#include "algebra/PolynomT.h"
#include "algebra/TextSemantics.h"
#include "parser/String2Poly.h"
#include "roots/Quadratfrei.h"

namespace Analyse {
namespace {

std::string FactorText(const PolynomT& p) {
  return "(" + p.Term2String2() + ")";
}

// The whole-numbered leading coefficient by which a quotient that is not integral is divided, or 1
// when it is 0 or beyond the Int32 range: dividing by it must keep every coefficient finite.
std::int32_t LeadingDivisor(const PolynomT& p) {
  const double r = text::Round(p.Koeff[p.grad()]);
  if (r == 0 || !(r >= -2147483648.0 && r <= 2147483647.0)) return 1;
  return text::ToInt32(r);
}

// The product of the factors whose multiplicity exceeds level, each to the power of that excess
// when gestuft, else once.
void Stufe(const std::vector<Potenz>& faktoren, int level, bool gestuft, PolynomT& r) {
  r.Einsen();
  for (const Potenz& f : faktoren) {
    PolynomT q;
    q.Koeff = f.faktor;
    const int n = gestuft ? f.vielfachheit - level : (f.vielfachheit > level ? 1 : 0);
    for (int i = 0; i < n; ++i) r.Produkt(r, q);
  }
}

// Level by level, P is divided by its greatest common divisor G with P', and each quotient is a
// factor text. Where the factors are known, G and the quotient are their products, so no
// division or rounding noise can split or merge a level.
void Produkttext(std::string& s, const std::vector<Potenz>* faktoren) {
  std::vector<std::string> factors;
  PolynomT P;
  PolynomT D;
  PolynomT G;
  bool ok = true;
  Parser::String2Poly(P, s, ok);
  int level = 0;
  const auto teiler = [&] {
    if (faktoren) {
      Stufe(*faktoren, level + 1, true, G);
    } else {
      D.Abl(P);
      G.ggT(P, D);
    }
  };
  teiler();
  // Below the zero tolerance the divisor of P and P' can come out as P itself; a level that
  // does not lower the degree would repeat for ever.
  while (G.grad() >= 1 && G.grad() < P.grad()) {
    if (faktoren) {
      const double lead = P.Koeff[P.grad()];
      Stufe(*faktoren, level, false, P);
      for (double& c : P.Koeff) c = c * lead;
    } else {
      P.PDurch(G, P, D);
      P.Runden(10);
    }
    std::int32_t m = P.ggF();
    for (int i = 0; i <= PolynomT::kMaxGrad; ++i) {
      G.Koeff[i] = G.Koeff[i] * m;
      P.Koeff[i] = P.Koeff[i] / m;
    }
    if (!P.IstGanzzahlig()) {
      m = LeadingDivisor(P);
      for (int i = 0; i <= PolynomT::kMaxGrad; ++i) {
        P.Koeff[i] = P.Koeff[i] / m;
        G.Koeff[i] = G.Koeff[i] * m;
      }
    }
    factors.push_back(FactorText(P));
    if (!faktoren) G.Runden(10);
    P.KopieVon(G);
    ++level;
    teiler();
  }
  const std::int32_t k = P.ggF();
  const int g = P.grad();
  for (int i = 0; i <= g; ++i) P.Koeff[i] = P.Koeff[i] / k;
  factors.push_back(FactorText(P));
  s = Feld2Prod(factors);
  // The content is at least 1, so only k > 1 writes a prefix.
  if (k > 1) s = text::Str(k) + " " + s;
}

}  // namespace

void MFakFinden(std::string& s) {
  Produkttext(s, nullptr);
}

void MFakFinden(std::string& s, const std::vector<Potenz>& faktoren) {
  Produkttext(s, &faktoren);
}

std::string Feld2Prod(const std::vector<std::string>& a) {
  if (a.empty()) return "";
  std::string r = a[0];
  int run = 1;
  for (std::size_t j = 1; j < a.size(); ++j) {
    if (a[j] == a[j - 1]) {
      ++run;
    } else {
      if (run > 1) r += "^" + text::Str(run) + " ";
      r += a[j];
      run = 1;
    }
  }
  if (run > 1) r += "^" + text::Str(run);
  return r;
}

}  // namespace Analyse
