#include "roots/ExakteNullstellen.h"

#include <algorithm>
#include <cstdint>

#include "exact/Cascade.h"
#include "exact/Function.h"
#include "roots/Nullstellen.h"

namespace Analyse {

const std::vector<double>& Faktornullstellen(const exact::SquareFreeFactor& f) {
  if (!f.zeros) {
    ZeroSet Z;
    std::int64_t evaluations = 0;
    FindeNullstellen(exact::Cascade(f.factor), Z, evaluations);
    f.zeros = Z.points();
  }
  return *f.zeros;
}

std::vector<Linearfaktor> Linearfaktoren(const std::vector<exact::SquareFreeFactor>& zerlegung) {
  std::vector<Linearfaktor> linear;
  for (const exact::SquareFreeFactor& f : zerlegung)
    for (double x : Faktornullstellen(f)) linear.push_back({x, f.multiplicity});
  std::sort(linear.begin(), linear.end(),
            [](const Linearfaktor& a, const Linearfaktor& b) { return a.x < b.x; });
  return linear;
}

void Nullstellen(const std::vector<exact::SquareFreeFactor>& zerlegung, ZeroSet& Z) {
  std::vector<double> points;
  for (const Linearfaktor& l : Linearfaktoren(zerlegung)) points.push_back(l.x);
  Z.assign(points);
  Doppelkillen(Z);
}

void Nullstellen(const exact::Polynomial& p, ZeroSet& Z) {
  Nullstellen(exact::SquareFree(p), Z);
}

void Termnullstellen(const RationalT& f, int term, ZeroSet& Z) {
  if (const exact::Function* e = exact::ExactOf(f)) {
    Nullstellen(e->TermFactors(term), Z);
  } else {
    FindeNullstellen(term == 0 ? f.Zl : f.Nn, Z);
  }
}

}  // namespace Analyse
