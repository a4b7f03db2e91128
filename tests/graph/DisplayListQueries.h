#pragma once

#include <ostream>
#include <variant>
#include <vector>

#include "graph/DisplayList.h"

template <class T>
std::vector<T> Only(const graph::DisplayList& list) {
  std::vector<T> out;
  for (const auto& p : list)
    if (const T* t = std::get_if<T>(&p)) out.push_back(*t);
  return out;
}

inline std::vector<graph::Line> LinesOf(const graph::DisplayList& list, graph::Color c) {
  std::vector<graph::Line> out;
  for (const auto& l : Only<graph::Line>(list))
    if (l.color == c) out.push_back(l);
  return out;
}

namespace graph {
inline void PrintTo(const Line& l, std::ostream* os) {
  *os << "(" << l.x1 << "," << l.y1 << ")-(" << l.x2 << "," << l.y2 << ")";
}
inline void PrintTo(const FilledOval& o, std::ostream* os) {
  *os << "oval " << o.x << "," << o.y << " " << o.width << "x" << o.height;
}
}  // namespace graph
