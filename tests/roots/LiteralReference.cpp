#include "LiteralReference.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "exact/Cascade.h"
#include "roots/Quadratfrei.h"

namespace literal {
namespace {

void Doppelkillen(ZeroSet& Z) {
  if (!(Z[0] > 1)) return;
  const int n = static_cast<int>(Z[0]);
  std::vector<double> kept;
  for (int i = 1; i <= n - 1; ++i)
    if (std::abs(Z[i] - Z[i + 1]) > 1e-5) kept.push_back(Z[i]);
  kept.push_back(Z[n]);
  Z.assign(kept);
}

}  // namespace

// 4 d 2^-53 times the sum of abs(Koeff(i)) * abs(x)^i.
double Noise(const PolynomT& P, int d, double x) {
  double s = 0;
  for (int i = PolynomT::kMaxGrad; i >= 0; --i) s = s * std::abs(x) + std::abs(P.Koeff[i]);
  return 4.0 * d * 0x1p-53 * s;
}

namespace {

// The bisection, its values those of `value` (P's own, or exact signs); it ends on the whole number
// within 1e-10 only where `isZero` holds there.
template <typename Value, typename IsZero>
double Bisect(const Value& value, const IsZero& isZero, double a, double b,
              std::int64_t& evaluations) {
  double m = (a + b) / 2;
  while (b - a > 1e-13) {
    m = (a + b) / 2;
    if (m == a || m == b) break;
    evaluations += 2;
    if (value(a) * value(m) > 0) {
      a = m;
    } else {
      b = m;
    }
  }
  if (std::abs(m - text::Round(m)) < 1e-10 && isZero(text::Round(m))) m = text::Round(m);
  return m + 0.0;
}

using Derivatives = std::array<PolynomT, PolynomT::kMaxGrad + 1>;

// The passes from the bracket list (-B, z, B). With a cascade every value of D(k) is replaced by
// the exact sign of the exact D(k), every sign change is bisected, and a bracket point is a zero
// only where P vanishes exactly.
void Search(const Derivatives& D, int n, double z, const exact::Cascade* exakt, ZeroSet& Z,
            std::int64_t& evaluations) {
  double B = 0;
  for (int i = 0; i <= n - 1; ++i) {
    double s = 0;
    for (int j = 0; j <= n - 1; ++j) s = s + std::abs(D[i].Koeff[j] / D[i].Koeff[n - i]);
    if (!std::isfinite(s)) return;
    B = std::max({2.0, B, s});
  }
  if (exakt) B = B * (1 + 0x1p-30);

  std::vector<double> brackets{-B, z, B};
  std::vector<double> accumulator{0.0};
  std::vector<double> sure;
  for (int k = n - 2; k >= 0; --k) {
    const auto value = [&D, k, exakt](double x) {
      const double v = D[k].FWert(x);
      return exakt ? static_cast<double>(exakt->Sign(k, x, v)) : v;
    };
    const std::size_t u = brackets.size() - 1;
    for (std::size_t j = 0; j <= u - 1; ++j) {
      const double a = brackets[j];
      const double b = brackets[j + 1];
      evaluations += 2;
      const double fa = value(a);
      const double fb = value(b);
      if (!(fa * fb < 0)) continue;
      evaluations += 2;
      if (exakt || (std::abs(fa) > Noise(D[k], n - k, a) && std::abs(fb) > Noise(D[k], n - k, b))) {
        const double r = Bisect(
            value, [&value, exakt](double w) { return !exakt || value(w) == 0; }, a, b,
            evaluations);
        accumulator.push_back(r);
        if (k == 0) sure.push_back(r);
      }
    }
    brackets.insert(brackets.end(), accumulator.begin(), accumulator.end());
    std::sort(brackets.begin(), brackets.end());
  }

  for (double x : brackets) {
    ++evaluations;
    const double v = D[0].FWert(x);
    const double noise = Noise(D[0], n, x);
    const bool zero = exakt ? exakt->Sign(0, x, v) == 0
                            : Zahl::IstNull(v) || (std::abs(v) <= noise && std::isfinite(noise));
    if (zero || std::find(sure.begin(), sure.end(), x) != sure.end()) Z.append(x);
  }
  // Exact signs separate every zero of a square-free factor: the bracket list's repeats are
  // dropped, but no neighbours merged.
  if (exakt) {
    std::vector<double> points = Z.points();
    points.erase(std::unique(points.begin(), points.end()), points.end());
    Z.assign(points);
  } else {
    Doppelkillen(Z);
  }
}

}  // namespace

double GibNullst(const PolynomT& P, double a, double b, std::int64_t& evaluations) {
  return Bisect([&P](double x) { return P.FWert(x); }, [](double) { return true; }, a, b,
                evaluations);
}

void FindeNullstellen(const PolynomT& P, ZeroSet& Z, std::int64_t& evaluations) {
  Z.clear();
  Derivatives D;
  D[0].KopieVon(P);
  const int n = D[0].grad();
  if (n < 1) return;
  for (double c : P.Koeff)
    if (!std::isfinite(c)) return;
  if (n == 1) {
    const double z = -D[0].Koeff[0] / D[0].Koeff[1] + 0.0;
    if (std::isfinite(z)) Z.append(z);
    return;
  }
  for (int i = 1; i <= n - 1; ++i) D[i].Abl(D[i - 1]);
  Search(D, n, -D[n - 1].Koeff[0] / D[n - 1].Koeff[1] + 0.0, nullptr, Z, evaluations);
}

void FindeNullstellen(const exact::Cascade& P, ZeroSet& Z, std::int64_t& evaluations) {
  Z.clear();
  const int n = P.Degree();
  Derivatives D;
  if (n < 1 || !P.RoundInto(D)) return;
  if (n == 1) {
    Z.append(P.LinearZero());
    return;
  }
  Search(D, n, P.LinearZero(), &P, Z, evaluations);
}

void FindeKP(const RationalT& R, ZeroSet& K, std::int64_t& evaluations) {
  ZeroSet G;
  FindeNullstellen(R.Nn, G, evaluations);
  const auto noGap = [&G](double x) {
    for (int g = 1; g <= static_cast<int>(G[0]); ++g)
      if (Zahl::IstNull(G[g] - x)) return false;
    return true;
  };
  const RationalT* RR = CoreContext::Instanz().RR.data();
  std::vector<double> c;
  for (int i = 0; i <= 2; ++i) {
    ZeroSet T;
    FindeNullstellen(RR[i].Zl, T, evaluations);
    for (int j = 1; j <= static_cast<int>(T[0]); ++j) c.push_back(T[j]);
  }
  std::sort(c.begin(), c.end());
  const int u = static_cast<int>(c.size()) - 1;
  K.clear();
  for (int i = 0; i <= u - 1; ++i)
    if (noGap(c[i]) && Zahl::SindVerschieden(c[i], c[i + 1])) K.append(c[i]);
  if (u >= 0 && noGap(c[u])) K.append(c[u]);
}

void EckenErmitteln(RationalT& f, std::int64_t& evaluations) {
  ZeroSet S;
  ZeroSet N;
  ZeroSet K;
  FindeNullstellen(f.Zl, S, evaluations);
  FindeNullstellen(f.Nn, N, evaluations);
  FindeKP(f, K, evaluations);
  const int nS = S.count();
  const int nN = N.count();
  f.xmin = -5;
  f.xmax = 5;
  if (nS > 0) {
    f.xmin = S[1];
    f.xmax = S[nS];
  }
  if (nN > 0) {
    f.xmin = std::min(f.xmin, N[1]);
    f.xmax = std::max(f.xmax, N[nN]);
  }
  double d = (f.xmax - f.xmin) / 10;
  if (d == 0) d = 1;
  f.xmin = f.xmin - d;
  f.xmax = f.xmax + d;
  f.ymin = f.FWert(f.xmin);
  f.ymax = f.ymin;
  for (int i = 1; i <= K.count(); ++i) {
    const double v = f.FWert(K[i]);
    f.ymin = std::min(f.ymin, v);
    f.ymax = std::max(f.ymax, v);
  }
  d = f.ymax - f.ymin;
  if (d < 1) {
    f.ymin = f.ymin - 1;
    f.ymax = f.ymax + 1;
  }
  if (f.ymin == 0) f.ymin = -f.ymax / 20;
  if (f.ymax == 0) f.ymax = -f.ymin / 20;
}

std::string Faktorform(const PolynomT& P, std::int64_t& evaluations) {
  if (P.grad() < 1) return P.Term2String2();
  PolynomT Q;
  Q.KopieVon(P);
  PolynomT H;
  ZeroSet S;
  FindeNullstellen(Q, S, evaluations);
  std::string Y;
  if (S[0] == 0) {
    std::string t = Q.Term2String();
    Analyse::MFakFinden(t);
    return t;
  }
  const int n = static_cast<int>(S[0]);
  std::vector<int> V(static_cast<std::size_t>(n) + 1, 0);
  for (int i = 1; i <= n; ++i) {
    const double z = S[i];
    if (!Zahl::IstNull(P.FWert(z))) {
      if (Q.grad() > 0) {
        V[i] = 1;
        H.KopieVon(Q);
        Q.PdurchxminusB(H, z);
      }
      continue;
    }
    while (Zahl::IstNull(Q.FWert(z)) && Q.grad() > 0) {
      V[i] = V[i] + 1;
      H.KopieVon(Q);
      Q.PdurchxminusB(H, z);
    }
  }
  for (int i = 1; i <= n; ++i) {
    if (V[i] == 0) continue;
    double z = S[i];
    Zahl::RundnfAusg(z);
    Y = Y + " * " + Zahl::Nulls2FakStr(z, V[i]);
  }
  if (Q.grad() > 0 || Q.Koeff[0] < 0) {
    std::string t = Q.Term2String();
    Analyse::MFakFinden(t);
    Y = t + Y;
  } else if (Q.Koeff[0] != 1) {
    Y = Y + " * " + text::Str(Q.Koeff[0]);
  }
  if (text::Left(Y, 2) == " *") Y = text::Mid(Y, 3);
  return Y;
}

}  // namespace literal
