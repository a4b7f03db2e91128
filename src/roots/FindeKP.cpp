#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/Zahlen.h"
#include "exact/Function.h"
#include "roots/ExakteNullstellen.h"
#include "roots/KritischePunkte.h"
#include "roots/Nullstellen.h"

namespace Analyse {
namespace {

// Of every run of sorted candidates each within 1e-7 of its successor only the last can stay.
template <typename AtGap>
void Auslesen(const std::vector<double>& c, const AtGap& atGap, ZeroSet& K) {
  std::vector<double> points;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const bool last = i + 1 == c.size();
    if (!atGap(c[i]) && (last || Zahl::SindVerschieden(c[i], c[i + 1]))) points.push_back(c[i]);
  }
  K.assign(points);
}

// The numerators of f, f' and f'' in lowest terms vanish exactly where the derivative does and
// never at a gap.
void ExaktFinden(const exact::Function& f, ZeroSet& K) {
  std::vector<double> c;
  for (int i = 0; i <= 2; ++i)
    for (const Linearfaktor& l : Linearfaktoren(f.DerivativeFactors(i))) c.push_back(l.x);
  std::sort(c.begin(), c.end());
  Auslesen(
      c, [](double) { return false; }, K);
}

}  // namespace

void FindeKP(const RationalT& R, ZeroSet& K) {
  if (R.exakt && R.exakt->Describes(R)) {
    ExaktFinden(*R.exakt, K);
    return;
  }
  ZeroSet G;
  FindeNullstellen(R.Nn, G);
  const auto atGap = [&G](double x) {
    for (int g = 1; g <= G.count(); ++g)
      if (Zahl::IstNull(G[g] - x)) return true;
    return false;
  };
  const auto nearGap = [&G](double x) {
    for (int g = 1; g <= G.count(); ++g)
      if (!(std::abs(G[g] - x) > kMergeDistance)) return true;
    return false;
  };
  const auto& RR = CoreContext::Instanz().RR;
  // The numerators of f' and f'', which keep the denominator as a power, have known multiple
  // zeros: a pole of order p is one of order at least p - 1 and 2p - 2, a zero of f of order m
  // one of order at least m - 1 and m - 2. Such orders drown in rounding noise over a wide
  // region and would split into points beside the true one, so they are divided off first.
  struct Bekannt {
    double x;
    int ordnung[2];
  };
  std::vector<Bekannt> bekannt;
  const auto ordnungIn = [](const PolynomT& p, double x) {
    PolynomT q;
    q.KopieVon(p);
    return Abspalten(q, x);
  };
  for (int g = 1; g <= G.count(); ++g) {
    const int p = ordnungIn(R.Nn, G[g]);
    bekannt.push_back({G[g], {p - 1, 2 * p - 2}});
  }
  ZeroSet T;
  FindeNullstellen(RR[0].Zl, T);
  std::vector<double> c = T.points();
  for (double z : c) {
    const int m = ordnungIn(RR[0].Zl, z);
    if (!atGap(z)) bekannt.push_back({z, {m - 1, m - 2}});
  }
  for (int i = 1; i <= 2; ++i) {
    PolynomT zaehler;
    zaehler.KopieVon(RR[static_cast<std::size_t>(i)].Zl);
    for (const Bekannt& b : bekannt) DurchLinearfaktor(zaehler, b.x, b.ordnung[i - 1]);
    FindeNullstellen(zaehler, T);
    // What is left of a multiple zero at a pole is the gap itself, displaced by rounding as far
    // as zeros are merged.
    for (int j = 1; j <= T.count(); ++j)
      if (!nearGap(T[j])) c.push_back(T[j]);
  }
  std::sort(c.begin(), c.end());
  Auslesen(c, atGap, K);
}

}  // namespace Analyse
