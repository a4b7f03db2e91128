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

}  // namespace

// The numerators of f, f' and f'' in lowest terms vanish exactly where the derivative does and
// never at a gap; split into coprime factors, each point comes once, with what vanishes there.
std::vector<KritischeStelle> KritischeStellen(const exact::Function& f) {
  std::vector<KritischeStelle> c;
  for (const exact::Function::CriticalFactor& k : f.CriticalFactors())
    for (double x : Faktornullstellen(k.factor)) c.push_back({x, k.zeroOf});
  std::sort(c.begin(), c.end(),
            [](const KritischeStelle& a, const KritischeStelle& b) { return a.x < b.x; });
  std::vector<KritischeStelle> stellen;
  for (std::size_t i = 0; i < c.size(); ++i)
    if (i + 1 == c.size() || Zahl::SindVerschieden(c[i].x, c[i + 1].x)) stellen.push_back(c[i]);
  return stellen;
}

void FindeKP(const RationalT& R, ZeroSet& K) {
  if (R.exakt && R.exakt->Describes(R)) {
    std::vector<double> points;
    for (const KritischeStelle& s : KritischeStellen(*R.exakt)) points.push_back(s.x);
    K.assign(points);
    return;
  }
  ZeroSet G;
  FindeNullstellen(R.Nn, G);
  const auto atGap = [&G](double x) {
    for (int g = 1; g <= G.count(); ++g)
      if (Zahl::IstNull(G[g] - x)) return true;
    return false;
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
  Auslesen(c, atGap, K);
}

}  // namespace Analyse
