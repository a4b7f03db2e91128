#include <algorithm>
#include <cmath>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"

namespace {
constexpr int kN = PolynomT::kMaxGrad + 1;
}  // namespace

void PolynomT::PdurchxminusB(const PolynomT& P, double b) {
  PolynomT t;
  const int n = P.grad();
  if (n > 0) {
    t.Koeff[n - 1] = P.Koeff[n];
    for (int i = n - 1; i >= 1; --i) t.Koeff[i - 1] = Zahl::Runden(P.Koeff[i] + b * t.Koeff[i]);
  }
  KopieVon(t);
}

void PolynomT::PDurch(const PolynomT& B, PolynomT& Q, PolynomT& R) {
  // Both operands are copied before Q is cleared, so Q may be the receiver or the divisor.
  PolynomT t;
  t.KopieVon(*this);
  PolynomT divisor;
  divisor.KopieVon(B);
  Q.Nullen();
  const int m = divisor.grad();
  // By the zero polynomial: no quotient, the whole dividend is the remainder.
  if (m >= 0) {
    for (int e = t.grad(); e >= m; e = t.grad()) {
      const double d = t.Koeff[e] / divisor.Koeff[m];
      Q.Koeff[e - m] = d;
      t.Koeff[e] = 0.0;
      for (int i = 1; i <= m; ++i) {
        t.Koeff[e - i] = t.Koeff[e - i] - d * divisor.Koeff[m - i];
        if (Zahl::IstNull(t.Koeff[e - i])) t.Koeff[e - i] = 0.0;
      }
    }
  }
  R.KopieVon(t);
}

void PolynomT::ggT(const PolynomT& A, const PolynomT& B) {
  if (A.grad() == -1) {
    KopieVon(B);
    return;
  }
  PolynomT u;
  u.KopieVon(A);
  PolynomT v;
  v.KopieVon(B);
  const double lead = u.Koeff[u.grad()];
  for (double& c : v.Koeff) c = c * lead;
  PolynomT q;
  PolynomT r;
  v.PDurch(u, q, r);
  while (r.grad() >= 0) {
    v.KopieVon(u);
    u.KopieVon(r);
    const double l = u.Koeff[u.grad()];
    for (double& c : u.Koeff) c = c / l;
    // Coefficients beyond the Double range leave Euclid nothing to divide: a remainder of NaNs
    // never loses its degree. Such operands are taken as having no common factor.
    if (!u.AllFinite()) {
      u.Einsen();
      break;
    }
    v.PDurch(u, q, r);
  }
  KopieVon(u);

  bool integral = true;
  for (int i = 0; i < kN && integral; ++i) integral = Zahl::IstGanzzahlig(Koeff[i]);
  if (integral) {
    std::int64_t h = 0;
    for (int i = 0; i < kN; ++i) h = h + text::ToInt64(std::abs(Koeff[i]));
    for (int i = 0; i < kN; ++i) h = Zahl::ggT(h, text::ToInt64(Koeff[i]));
    for (double& c : Koeff) c = c / static_cast<double>(h);
  } else {
    const double l = Koeff[grad()];
    for (double& c : Koeff) c = c / l;
  }
}

std::int32_t PolynomT::ggF() const {
  std::int64_t r = 1;
  bool all = true;
  const int g = grad();
  for (int i = 0; i <= g; ++i) {
    all = all && Zahl::IstGanzzahlig(Koeff[i]);
    r = std::max<std::int64_t>(r, text::ToInt32(std::abs(Koeff[i])));
  }
  if (all && r > 1) {
    for (int i = 0; i <= g; ++i) r = Zahl::ggT(r, text::ToInt64(std::abs(Koeff[i])));
  } else {
    r = 1;
  }
  return static_cast<std::int32_t>(r);
}

bool PolynomT::IstGanzzahlig() const {
  const int g = grad();
  for (int i = 0; i <= g; ++i)
    if (!Zahl::IstGanzzahlig(Koeff[i])) return false;
  return true;
}

void PolynomT::Runden(std::int32_t n) {
  for (int i = 0; i <= grad(); ++i) Koeff[i] = Zahl::Gerundet(n, Koeff[i]);
}

void PolynomT::xVerschiebungUm(double h) {
  CoreContext& k = CoreContext::Instanz();
  // A zero coefficient contributes nothing, also where the power of h overflows (0 * inf is NaN).
  for (int i = 0; i < kN; ++i)
    for (int j = 0; j <= i; ++j)
      k.Poly[i].Koeff[j] = Koeff[i] == 0.0 ? 0.0
                                           : (Koeff[i] * static_cast<double>(k.BinKoeff[i][j])) *
                                                 std::pow(-h, double(i - j));
  PolynomT s;
  for (int i = 0; i < kN; ++i) s.Summe(s, k.Poly[i]);
  KopieVon(s);
}
