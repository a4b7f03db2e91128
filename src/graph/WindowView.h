#pragma once

#include "app/HauptF.h"
#include "graph/View.h"

namespace graph {

// The window keeps its view as four loose properties; the graph's steps work on them as one.
inline View ViewOf(const HauptF& w) {
  return {w.xmin, w.xmax, w.ymin, w.ymax};
}

inline void SetView(HauptF& w, const View& v) {
  w.xmin = v.xmin;
  w.xmax = v.xmax;
  w.ymin = v.ymin;
  w.ymax = v.ymax;
}

}  // namespace graph
