#include <algorithm>
#include <cstddef>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/Zahlen.h"
#include "roots/KritischePunkte.h"
#include "roots/Nullstellen.h"

namespace Analyse {

void FindeKP(const RationalT& R, ZeroSet& K) {
  ZeroSet G;
  FindeNullstellen(R.Nn, G);
  std::vector<double> c;
  ZeroSet T;
  for (const RationalT& r : CoreContext::Instanz().RR) {
    FindeNullstellen(r.Zl, T);
    for (int i = 1; i <= T.count(); ++i) c.push_back(T[i]);
  }
  std::sort(c.begin(), c.end());

  const auto atGap = [&G](double x) {
    for (int g = 1; g <= G.count(); ++g)
      if (Zahl::IstNull(G[g] - x)) return true;
    return false;
  };
  std::vector<double> points;
  for (std::size_t i = 0; i < c.size(); ++i) {
    // Of a run of candidates each within 1e-7 of its successor only the last can stay.
    const bool last = i + 1 == c.size();
    if (!atGap(c[i]) && (last || Zahl::SindVerschieden(c[i], c[i + 1]))) points.push_back(c[i]);
  }
  K.assign(points);
}

}  // namespace Analyse
