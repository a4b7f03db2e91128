#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CurveDiscussionWindow.h"

namespace curve_discussion_table {

inline std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::stringstream in(s);
  for (std::string p; std::getline(in, p, sep);) parts.push_back(p);
  return parts;
}

inline std::vector<double> Zahlen(const std::string& s) {
  std::vector<double> v;
  for (const std::string& p : Split(s, ' '))
    if (!p.empty()) v.push_back(std::stod(p));
  return v;
}

inline std::vector<std::pair<double, int>> Faktoren(const std::string& s) {
  std::vector<std::pair<double, int>> v;
  for (const std::string& p : Split(s, ' ')) {
    if (p.empty()) continue;
    const std::size_t colon = p.find(':');
    v.emplace_back(std::stod(p.substr(0, colon)), std::stoi(p.substr(colon + 1)));
  }
  return v;
}

}  // namespace curve_discussion_table

// The rows of a table the generators beside the data write: name, two texts, then the exact
// curve discussion; lines starting with "#" are comments.
inline std::vector<Kurvendiskussion> Tabelle(const char* path) {
  using namespace curve_discussion_table;
  std::ifstream in(path);
  std::vector<Kurvendiskussion> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> c = Split(line, '\t');
    c.resize(14);
    rows.push_back({c[0], c[1], c[2], Zahlen(c[3]), Zahlen(c[4]), Zahlen(c[5]), Zahlen(c[6]),
                    Faktoren(c[7]), Faktoren(c[8]), c[9] == "1", c[10] == "1", Zahlen(c[11]),
                    Zahlen(c[12]), Zahlen(c[13])});
  }
  return rows;
}
