#pragma once

#include <cstddef>
#include <vector>

// A point list of the program: element 0 holds the number of points, elements 1..n the points in
// ascending order, so the upper bound of the array equals the count. The empty set is element 0
// alone.
struct ZeroSet {
  std::vector<double> a{0.0};

  int count() const { return static_cast<int>(a.size()) - 1; }
  double operator[](std::size_t i) const { return a[i]; }
  double& operator[](std::size_t i) { return a[i]; }
  void clear() { a.assign(1, 0.0); }
  void append(double x) {
    a.push_back(x);
    a[0] = count();
  }
  // Replaces the points, keeping element 0 in step.
  void assign(const std::vector<double>& points) {
    a.assign(1, static_cast<double>(points.size()));
    a.insert(a.end(), points.begin(), points.end());
  }
  std::vector<double> points() const { return {a.begin() + 1, a.end()}; }
};
