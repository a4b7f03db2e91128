#include <algorithm>
#include <cmath>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/Zahlen.h"
#include "roots/Nullstellen.h"

namespace Analyse {

void Doppelkillen(ZeroSet& Z) {
  if (!(Z[0] > 1)) return;
  const int n = Z.count();
  std::vector<double> kept;
  for (int i = 1; i < n; ++i)
    if (std::abs(Z[i] - Z[i + 1]) > kMergeDistance) kept.push_back(Z[i]);
  kept.push_back(Z[n]);
  Z.assign(kept);
}

void Schneide(const ZeroSet& A, const ZeroSet& B, ZeroSet& R) {
  std::vector<double> common;
  for (int i = 1; i <= A.count(); ++i)
    for (int j = 1; j <= B.count(); ++j)
      if (B[j] == A[i]) common.push_back(A[i]);
  R.assign(common);
}

void Reinigen(ZeroSet& X, const ZeroSet& G) {
  std::vector<double> p = X.points();
  std::sort(p.begin(), p.end());
  const auto& RR = CoreContext::Instanz().RR;
  const auto nearGap = [&G](double x) {
    for (int g = 1; g <= G.count(); ++g)
      if (!(std::abs(x - G[g]) > kMergeDistance)) return true;
    return false;
  };
  std::vector<double> kept;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const double x = p[i];
    if (nearGap(x)) continue;
    if (i + 1 < p.size() && !(std::abs(p[i + 1] - x) > kMergeDistance)) continue;
    if (Zahl::IstNull(RR[0].FWert(x)) || Zahl::IstNull(RR[1].FWert(x)) ||
        Zahl::IstNull(RR[2].FWert(x)))
      kept.push_back(x);
  }
  X.assign(kept);
}

}  // namespace Analyse
