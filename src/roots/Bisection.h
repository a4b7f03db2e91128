#pragma once

#include <cmath>

#include "algebra/TextSemantics.h"

namespace Analyse::detail {

// x, or the whole number within 1e-10 of it where isZero holds there. Round(-3e-11) is -0, which
// must not reach a zero set.
template <typename IsZero>
double Snapped(double x, const IsZero& isZero) {
  const double r = text::Round(x);
  return (std::abs(x - r) < 1e-10 && isZero(r) ? r : x) + 0.0;
}

// One bisection of [a, b] down to a width of 1e-13, split into its steps so that several
// brackets can be halved side by side. It keeps f(a) instead of evaluating it again: the value at
// the new left end is the value at the midpoint just taken.
struct Bisection {
  double a;
  double b;
  double fa;
  // A bracket no wider than 1e-13 from the start ends at its midpoint, never outside it.
  double m = (a + b) / 2;

  // Sets the next midpoint and tells whether f is wanted there. From magnitude 512 on
  // neighbouring Doubles lie more than 1e-13 apart, so the midpoint can round onto an end; the
  // bracket cannot shrink any more and the halving ends on that point (also for an infinite end).
  bool NextMidpoint() {
    if (!(b - a > 1e-13)) return false;
    m = (a + b) / 2;
    return a < m && m < b;
  }

  void Take(double fm) {
    if (fa * fm > 0) {
      a = m;
      fa = fm;
    } else {
      b = m;
    }
  }

  // The last midpoint, snapped to a whole number within 1e-10.
  double Result() const {
    return Snapped(m, [](double) { return true; });
  }
};

template <typename Evaluate>
double Bisect(const Evaluate& f, double a, double b, double fa) {
  Bisection s{a, b, fa};
  while (s.NextMidpoint()) s.Take(f(s.m));
  return s.Result();
}

}  // namespace Analyse::detail
