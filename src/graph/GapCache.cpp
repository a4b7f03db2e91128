#include "graph/GapCache.h"

#include <cstring>

#include "exact/Function.h"
#include "roots/ExakteNullstellen.h"

namespace graph {

const ZeroSet& GapCache::GapsOf(const RationalT& f) {
  const bool exakt = exact::ExactOf(f) != nullptr;
  // Bit for bit: the only comparison under which equal keys surely give equal zeros.
  if (filled_ && exakt == exakt_ &&
      std::memcmp(koeff_.data(), f.Nn.Koeff.data(), sizeof koeff_) == 0)
    return gaps_;
  Analyse::Termnullstellen(f, 1, gaps_);
  koeff_ = f.Nn.Koeff;
  exakt_ = exakt;
  filled_ = true;
  return gaps_;
}

}  // namespace graph
