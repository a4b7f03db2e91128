#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/Zahlen.h"
#include "exact/Cascade.h"
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
template <typename Filter, typename Finish>
std::vector<double> BisectAll(const Horner& f, const Horner* magnitudes, const Filter& filter,
                              const Finish& finish, const std::vector<double>& points,
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
      results[next++] = finish(s.m);
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
  std::array<double, kLanes> absX{};
  std::array<double, kLanes> mx{};
  while (active > 0) {
    for (int l = 0; l < kLanes; ++l) x[l] = busy[l] ? lane[l].m : 0.0;
    if (active == 1) {
      for (int l = 0; l < kLanes; ++l)
        if (busy[l]) fx[l] = f(x[l]);
    } else {
      f.Lanes(x.data(), fx.data());
    }
    if (magnitudes) {
      for (int l = 0; l < kLanes; ++l) absX[l] = std::abs(x[l]);
      magnitudes->Lanes(absX.data(), mx.data());
    }
    evaluations += active;
    for (int l = 0; l < kLanes; ++l) {
      if (!busy[l]) continue;
      lane[l].Take(filter(lane[l].m, fx[l], mx[l]));
      if (lane[l].NextMidpoint()) continue;
      results[owner[l]] = finish(lane[l].m);
      busy[l] = fill(l);
      active -= !busy[l];
    }
  }
  return results;
}

// Merges the sorted points found in a pass into the sorted bracket points, each distinct point
// once.
void MergeInto(std::vector<double>& points, const std::vector<double>& found) {
  const std::size_t old = points.size();
  points.insert(points.end(), found.begin(), found.end());
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

// Horner's scheme for a polynomial of degree d errs by at most about 2d rounding units of the sum
// of abs(Koeff(i)) * abs(x)^i. A value within twice that bound has no certain sign: the point is
// a zero as far as Doubles can tell, which is what a multiple zero looks like.
class RoundingNoise {
 public:
  RoundingNoise(const PolynomT& p, int d)
      : storage_(Magnitudes(p)), magnitudes_(storage_), factor_(4.0 * d * 0x1p-53) {}
  // The scheme over the magnitudes points into storage_.
  RoundingNoise(const RoundingNoise&) = delete;
  RoundingNoise& operator=(const RoundingNoise&) = delete;
  bool Drowns(double x, double v) const {
    const double bound = factor_ * magnitudes_(std::abs(x));
    return std::abs(v) <= bound && std::isfinite(bound);
  }
  bool Above(double x, double v) const { return std::abs(v) > factor_ * magnitudes_(std::abs(x)); }

 private:
  static std::array<double, kN> Magnitudes(const PolynomT& p) {
    std::array<double, kN> m{};
    for (int i = 0; i < kN; ++i) m[i] = std::abs(p.Koeff[i]);
    return m;
  }
  std::array<double, kN> storage_;
  Horner magnitudes_;
  double factor_;
};

// The final test over the bracket points of the last pass, whose values are known, and the
// points that pass bisected, each a sure zero: P changes sign across its bracket above the noise.
// With exact signs a bracket point is a zero only where P vanishes exactly.
std::vector<double> FinalTest(const std::vector<double>& points, const std::vector<double>& values,
                              const std::vector<double>& found, const RoundingNoise* noise) {
  std::vector<double> kept;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (noise ? Zahl::IstNull(values[i]) || noise->Drowns(points[i], values[i]) : values[i] == 0)
      kept.push_back(points[i]);
  MergeInto(kept, found);
  return kept;
}

using Derivatives = std::array<PolynomT, PolynomT::kMaxGrad>;

// The passes over D(n - 2) .. D(0) from the bracket points -B, the zero of D(n - 1) and B. Where
// exact derivatives stand behind D, every value is replaced by the exact sign of D(k) there, so
// a bracket is bisected across every true sign change and across none that rounding invents.
void Search(const Derivatives& D, int n, double linearZero, const exact::Cascade* exakt, ZeroSet& Z,
            std::int64_t& evaluations) {
  double B = CoefficientBound(D, n);
  if (B == 0) return;
  // A zero can lie on the bound itself, where a Double end point may show no exact sign change;
  // with exact signs the ends lie strictly outside every zero.
  if (exakt) B = B * (1 + 0x1p-30);

  std::vector<double> points{-B, linearZero, B};
  std::vector<double> values;
  std::vector<double> absPoints;
  std::vector<double> sums;
  std::vector<double> found;
  std::vector<std::size_t> starts;
  for (int k = n - 2; k >= 0; --k) {
    const Horner f(D[k].Koeff);
    const RoundingNoise noise(D[k], n - k);
    // With exact signs the sums of magnitudes that bound Horner's error come side by side with
    // the values.
    const std::optional<Horner> magnitudes =
        exakt ? std::optional<Horner>(exakt->Magnitudes(k)) : std::nullopt;
    const auto filter = [exakt, k](double x, double v, double m) {
      return exakt ? static_cast<double>(exakt->Sign(k, x, v, m)) : v;
    };
    EvaluateAll(f, points, values);
    evaluations += static_cast<std::int64_t>(points.size());
    if (magnitudes) {
      absPoints.resize(points.size());
      for (std::size_t i = 0; i < points.size(); ++i) absPoints[i] = std::abs(points[i]);
      EvaluateAll(*magnitudes, absPoints, sums);
      for (std::size_t i = 0; i < points.size(); ++i)
        values[i] = filter(points[i], values[i], sums[i]);
    }
    // A bracket is bisected only across a sign change that both ends show above the noise; an
    // end within it is a zero of D(k) itself and stays a bracket point.
    starts.clear();
    for (std::size_t j = 0; j + 1 < points.size(); ++j) {
      if (!(values[j] * values[j + 1] < 0)) continue;
      evaluations += 2;
      if (exakt || (noise.Above(points[j], values[j]) && noise.Above(points[j + 1], values[j + 1])))
        starts.push_back(j);
    }
    // With exact signs a bisection ends on a whole number only where D(k) vanishes there: two
    // zeros of D(k - 1) within 1e-10 of it would otherwise share one bracket.
    const auto finish = [&f, exakt, k](double m) {
      return detail::Snapped(
          m, [&f, exakt, k](double r) { return !exakt || exakt->Sign(k, r, f(r)) == 0; });
    };
    found = BisectAll(f, magnitudes ? &*magnitudes : nullptr, filter, finish, points, values,
                      starts, evaluations);
    CoreContext::Instanz().Yield();
    if (k == 0) break;
    // The point 0 joins the brackets after the first pass, with the points found there.
    if (k == n - 2) found.push_back(0.0);
    MergeInto(points, found);
  }
  if (n == 2) {
    // After the only pass 0 is a bracket point of the final test, one without a sign change.
    const auto at = std::lower_bound(points.begin(), points.end(), 0.0);
    if (at == points.end() || *at != 0.0) {
      const double v = D[0].FWert(0.0);
      values.insert(values.begin() + (at - points.begin()), exakt ? exakt->Sign(0, 0.0, v) : v);
      points.insert(at, 0.0);
      ++evaluations;
    }
  }
  const RoundingNoise noise(D[0], n);
  Z.assign(FinalTest(points, values, found, exakt ? nullptr : &noise));
  // Exact signs separate every zero of a square-free factor; only the shown zero set merges
  // neighbours, not the factor forms and critical points built from the zeros.
  if (!exakt) Doppelkillen(Z);
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

  Derivatives D;
  D[0].KopieVon(P);
  for (int i = 1; i < n; ++i) D[i].Abl(D[i - 1]);
  const PolynomT& linear = D[n - 1];
  Search(D, n, -linear.Koeff[0] / linear.Koeff[1] + 0.0, nullptr, Z, evaluations);
}

void FindeNullstellen(const exact::Cascade& P, ZeroSet& Z, std::int64_t& evaluations) {
  Z.clear();
  const int n = P.Degree();
  Derivatives D;
  if (n < 1 || !P.RoundInto(D)) return;
  if (n == 1) {
    Z.append(P.LinearZero());
    return;
  }
  Search(D, n, P.LinearZero(), &P, Z, evaluations);
}

}  // namespace Analyse
