#include <cstdint>
#include <functional>
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

}  // namespace

namespace {

// The levels of the product text, each the quotient of P by its divisor G from teiler(level, P).
void Produkttext(std::string& s, const std::function<void(int, const PolynomT&, PolynomT&)>& teiler) {
  std::vector<std::string> factors;
  PolynomT P;
  PolynomT D;
  PolynomT G;
  bool ok = true;
  Parser::String2Poly(P, s, ok);
  int level = 0;
  teiler(level, P, G);
  // Below the zero tolerance the divisor of P and P' can come out as P itself; a level that
  // does not lower the degree would repeat for ever.
  while (G.grad() >= 1 && G.grad() < P.grad()) {
    P.PDurch(G, P, D);
    P.Runden(10);
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
    G.Runden(10);
    P.KopieVon(G);
    teiler(++level, P, G);
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
  Produkttext(s, [](int, const PolynomT& P, PolynomT& G) {
    PolynomT D;
    D.Abl(P);
    G.ggT(P, D);
  });
}

void MFakFinden(std::string& s,
                const std::vector<std::array<double, PolynomT::kMaxGrad + 1>>& teiler) {
  Produkttext(s, [&teiler](int level, const PolynomT&, PolynomT& G) {
    G.Einsen();
    if (level < static_cast<int>(teiler.size())) G.Koeff = teiler[static_cast<std::size_t>(level)];
  });
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
