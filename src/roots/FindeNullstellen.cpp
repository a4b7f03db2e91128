#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/Zahlen.h"
#include "roots/Bisection.h"
#include "roots/Nullstellen.h"

namespace Analyse {
namespace {

constexpr int kN = PolynomT::kMaxGrad + 1;

constexpr int kLanes = 8;

// Horner's scheme from the highest coefficient that is not exactly 0. Above it the scheme over
// all 43 coefficients only carries a signed zero, which that coefficient absorbs, so for every
// finite x the value is bit for bit that of PolynomT::FWert.
class Horner {
 public:
  explicit Horner(const std::array<double, kN>& c) : c_(c.data()) {
    while (top_ >= 0 && c_[top_] == 0.0) --top_;
  }
  double operator()(double x) const {
    double s = 0;
    for (int n = top_; n >= 0; --n) {
      s = s * x;
      s = s + c_[n];
    }
    return s;
  }
  // The values at kLanes points. The lanes are independent chains of the very same operations,
  // so each value is bit for bit the single one, while the processor overlaps the chains instead
  // of waiting for each multiplication and addition in turn.
  void Lanes(const double* x, double* out) const {
    double s[kLanes] = {};
    for (int n = top_; n >= 0; --n)
      for (int l = 0; l < kLanes; ++l) {
        s[l] = s[l] * x[l];
        s[l] = s[l] + c_[n];
      }
    for (int l = 0; l < kLanes; ++l) out[l] = s[l];
  }

 private:
  const double* c_;
  int top_ = kN - 1;
};

void EvaluateAll(const Horner& f, const std::vector<double>& x, std::vector<double>& v) {
  v.resize(x.size());
  std::size_t i = 0;
  for (; i + kLanes <= x.size(); i += kLanes) f.Lanes(&x[i], &v[i]);
  for (; i < x.size(); ++i) v[i] = f(x[i]);
}

// Bisects the brackets (points[j], points[j + 1]) for every j in `starts`, up to kLanes of them
// side by side; the result of each is the one its own bisection gives.
std::vector<double> BisectAll(const Horner& f, const std::vector<double>& points,
                              const std::vector<double>& values,
                              const std::vector<std::size_t>& starts, std::int64_t& evaluations) {
  std::vector<double> results(starts.size());
  std::array<detail::Bisection, kLanes> lane{};
  std::array<std::size_t, kLanes> owner{};
  int active = 0;
  std::size_t next = 0;
  // Gives lane l the next bracket that needs a halving step; brackets that need none end at once.
  const auto fill = [&](int l) {
    while (next < starts.size()) {
      const std::size_t j = starts[next];
      detail::Bisection s{points[j], points[j + 1], values[j]};
      if (s.NextMidpoint()) {
        lane[l] = s;
        owner[l] = next++;
        return true;
      }
      results[next++] = s.Result();
    }
    return false;
  };
  std::array<bool, kLanes> busy{};
  for (int l = 0; l < kLanes; ++l) {
    busy[l] = fill(l);
    active += busy[l];
  }
  std::array<double, kLanes> x{};
  std::array<double, kLanes> fx{};
  while (active > 0) {
    if (active == 1) {
      for (int l = 0; l < kLanes; ++l)
        if (busy[l]) fx[l] = f(lane[l].m);
    } else {
      for (int l = 0; l < kLanes; ++l) x[l] = busy[l] ? lane[l].m : 0.0;
      f.Lanes(x.data(), fx.data());
    }
    evaluations += active;
    for (int l = 0; l < kLanes; ++l) {
      if (!busy[l]) continue;
      lane[l].Take(fx[l]);
      if (lane[l].NextMidpoint()) continue;
      results[owner[l]] = lane[l].Result();
      busy[l] = fill(l);
      active -= !busy[l];
    }
  }
  return results;
}

// A point found in a pass; `sure` marks a sign change of P itself that lies above the rounding
// noise at both ends of its bracket, a zero however large P's value next to it.
struct Candidate {
  double x;
  bool sure;
};

// Merges the sorted points found in a pass into the sorted bracket points, each distinct point
// once.
void MergeInto(std::vector<double>& points, const std::vector<Candidate>& found) {
  const std::size_t old = points.size();
  for (const Candidate& c : found) points.push_back(c.x);
  std::sort(points.begin() + static_cast<std::ptrdiff_t>(old), points.end());
  std::inplace_merge(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(old),
                     points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());
}

// Bound of every real zero of every derivative; 0 when a ratio leaves the Double range, where no
// bracket could be bisected.
double CoefficientBound(const std::array<PolynomT, PolynomT::kMaxGrad>& D, int n) {
  double B = 0;
  for (int i = 0; i < n; ++i) {
    const double lead = D[i].Koeff[n - i];
    double s = 0;
    for (int j = 0; j < n; ++j) s = s + std::abs(D[i].Koeff[j] / lead);
    if (!std::isfinite(s)) return 0;
    B = std::max({2.0, B, s});
  }
  return B;
}

// The final test over the bracket points of the last pass, whose values are known, and the
// points that pass found.
std::vector<double> FinalTest(const std::vector<double>& points, const std::vector<double>& values,
                              std::vector<Candidate>& found, const Horner& P,
                              std::int64_t& evaluations) {
  std::sort(found.begin(), found.end(),
            [](const Candidate& l, const Candidate& r) { return l.x < r.x; });
  std::vector<double> kept;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < points.size() || j < found.size()) {
    const bool fromPoints = j == found.size() || (i < points.size() && points[i] <= found[j].x);
    const double x = fromPoints ? points[i] : found[j].x;
    double v = 0;
    if (fromPoints) {
      v = values[i++];
    } else {
      v = P(x);
      ++evaluations;
    }
    bool sure = false;
    for (; j < found.size() && found[j].x == x; ++j) sure = sure || found[j].sure;
    if (sure || Zahl::IstNull(v)) kept.push_back(x);
  }
  return kept;
}

}  // namespace

void FindeNullstellen(const PolynomT& P, ZeroSet& Z) {
  std::int64_t evaluations = 0;
  FindeNullstellen(P, Z, evaluations);
}

void FindeNullstellen(const PolynomT& P, ZeroSet& Z, std::int64_t& evaluations) {
  Z.clear();
  const int n = P.grad();
  if (n < 1) return;
  for (double c : P.Koeff)
    if (!std::isfinite(c)) return;
  if (n == 1) {
    const double z = -P.Koeff[0] / P.Koeff[1] + 0.0;
    if (std::isfinite(z)) Z.append(z);
    return;
  }

  std::array<PolynomT, PolynomT::kMaxGrad> D;
  D[0].KopieVon(P);
  for (int i = 1; i < n; ++i) D[i].Abl(D[i - 1]);
  const double B = CoefficientBound(D, n);
  if (B == 0) return;

  std::array<double, kN> magnitudes{};
  for (int i = 0; i < kN; ++i) magnitudes[i] = std::abs(P.Koeff[i]);
  const Horner noise(magnitudes);
  const auto aboveNoise = [&noise](double x, double v) {
    return std::abs(v) > 1e-12 * noise(std::abs(x));
  };

  const PolynomT& linear = D[n - 1];
  std::vector<double> points{-B, -linear.Koeff[0] / linear.Koeff[1] + 0.0, B};
  std::vector<double> values;
  std::vector<Candidate> found;
  std::vector<std::size_t> starts;
  for (int k = n - 2; k >= 0; --k) {
    const Horner f(D[k].Koeff);
    EvaluateAll(f, points, values);
    evaluations += static_cast<std::int64_t>(points.size());
    starts.clear();
    for (std::size_t j = 0; j + 1 < points.size(); ++j)
      if (values[j] * values[j + 1] < 0) starts.push_back(j);
    const std::vector<double> r = BisectAll(f, points, values, starts, evaluations);
    found.clear();
    for (std::size_t i = 0; i < starts.size(); ++i) {
      const std::size_t j = starts[i];
      const bool sure =
          k == 0 && aboveNoise(points[j], values[j]) && aboveNoise(points[j + 1], values[j + 1]);
      found.push_back({r[i], sure});
    }
    // The point 0 joins the brackets after the first pass, with the points found there.
    if (k == n - 2) found.push_back({0.0, false});
    if (k > 0) MergeInto(points, found);
    CoreContext::Instanz().Yield();
  }

  Z.assign(FinalTest(points, values, found, Horner(D[0].Koeff), evaluations));
  Doppelkillen(Z);
}

}  // namespace Analyse
