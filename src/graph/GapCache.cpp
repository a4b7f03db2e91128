#include "graph/GapCache.h"

#include <cstring>

#include "roots/Nullstellen.h"

namespace graph {

const ZeroSet& GapCache::GapsOf(const PolynomT& Nn) {
  // Bit for bit: the only comparison under which equal keys surely give equal zeros.
  if (filled_ && std::memcmp(koeff_.data(), Nn.Koeff.data(), sizeof koeff_) == 0) return gaps_;
  Analyse::FindeNullstellen(Nn, gaps_);
  koeff_ = Nn.Koeff;
  filled_ = true;
  return gaps_;
}

}  // namespace graph
