#include <algorithm>
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

// Of every run of sorted candidates each within 1e-7 of its successor only the last can stay, and
// only where keep holds.
template <typename T, typename X, typename Keep>
std::vector<T> Auslesen(const std::vector<T>& c, const X& x, const Keep& keep) {
  std::vector<T> kept;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const bool last = i + 1 == c.size();
    if (keep(c[i]) && (last || Zahl::SindVerschieden(x(c[i]), x(c[i + 1])))) kept.push_back(c[i]);
  }
  return kept;
}

}  // namespace

// The numerators of f, f' and f'' in lowest terms vanish exactly where the derivative does and
// never at a gap; split into coprime factors, each point comes once, with what vanishes there.
std::vector<KritischeStelle> KritischeStellen(const exact::Function& f) {
  std::vector<KritischeStelle> c;
  for (const exact::Function::CriticalFactor& k : f.CriticalFactors())
    for (double x : Faktornullstellen(k.factor)) c.push_back({x, k.zeroOf});
  std::sort(c.begin(), c.end(),
            [](const KritischeStelle& a, const KritischeStelle& b) { return a.x < b.x; });
  return Auslesen(
      c, [](const KritischeStelle& s) { return s.x; }, [](const KritischeStelle&) { return true; });
}

void FindeKP(const RationalT& R, ZeroSet& K) {
  if (const exact::Function* e = exact::ExactOf(R)) {
    std::vector<double> points;
    for (const KritischeStelle& s : KritischeStellen(*e)) points.push_back(s.x);
    K.assign(points);
    return;
  }
  ZeroSet G;
  FindeNullstellen(R.Nn, G);
  const auto noGap = [&G](double x) {
    for (int g = 1; g <= G.count(); ++g)
      if (Zahl::IstNull(G[g] - x)) return false;
    return true;
  };
  const auto& RR = CoreContext::Instanz().RR;
  std::vector<double> c;
  for (const RationalT& r : RR) {
    ZeroSet T;
    FindeNullstellen(r.Zl, T);
    const std::vector<double> t = T.points();
    c.insert(c.end(), t.begin(), t.end());
  }
  std::sort(c.begin(), c.end());
  K.assign(Auslesen(
      c, [](double x) { return x; }, noGap));
}

}  // namespace Analyse
