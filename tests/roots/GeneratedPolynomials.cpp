#include "GeneratedPolynomials.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "TestPolynomials.h"
#include "algebra/RationalT.h"
#include "algebra/TextSemantics.h"

namespace {

class Dice {
 public:
  explicit Dice(std::uint32_t seed) : rng_(seed) {}
  // 0 .. n - 1; mt19937 is specified to the bit, its use here too.
  int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
  template <typename T>
  const T& Pick(const std::vector<T>& v) {
    return v[static_cast<std::size_t>(Below(static_cast<int>(v.size())))];
  }

 private:
  std::mt19937 rng_;
};

struct Built {
  Koeffizienten koeff{1.0};
  std::map<double, int> zeros;
};

void AddRoot(Built& b, double r, int m) {
  for (int i = 0; i < m; ++i) b.koeff = Mal(b.koeff, {-r, 1.0});
  b.zeros[r] += m;
}

GeneratedPolynomial Finish(const std::string& name, const Built& b) {
  GeneratedPolynomial g{name, b.koeff, true, {}, {}};
  for (const auto& [z, m] : b.zeros) {
    g.zeros.push_back(z);
    g.multiplicities.push_back(m);
  }
  return g;
}

GeneratedPolynomial Plain(const std::string& name, const Koeffizienten& k) {
  return GeneratedPolynomial{name, k, false, {}, {}};
}

const std::vector<double> kRoots{-5,  -4,  -3,   -2.5, -2,   -1.5, -1, -0.75,   -0.5,
                                 0,   0.2, 0.5,  1,    1.25, 1.5,  2,  2.5,     3,
                                 3.7, 4,   -3.2, 4.3,  -1.2, 0.3,  5,  1.0 / 3, -2.0 / 3};
const std::vector<double> kLeading{1, -1, 2, 0.5, 3, -4, 10, 100, 0.1, 25};

// A school polynomial whose zeros avoid `avoid` (a denominator must not share a numerator's).
Built SchoolPart(Dice& d, const std::map<double, int>& avoid, int maxFactors) {
  Built b;
  const int factors = d.Below(maxFactors + 1);
  for (int i = 0; i < factors; ++i) {
    double r = d.Pick(kRoots);
    if (avoid.count(r) != 0 || b.zeros.count(r) != 0) continue;
    AddRoot(b, r, 1 + d.Below(3));
  }
  if (d.Below(2) == 0) {
    // x^2 + p x + q with p^2 < 4q.
    const double p = d.Below(5) - 2;
    const double q = (p * p) / 4 + 0.5 + d.Below(4);
    b.koeff = Mal(b.koeff, {q, p, 1});
  }
  const double c = d.Pick(kLeading);
  for (double& k : b.koeff) k = k * c;
  return b;
}

void Keep(std::vector<GeneratedPolynomial>& out, GeneratedPolynomial g) {
  if (g.koeff.size() > PolynomT::kMaxGrad + 1) return;
  PolynomT p;
  Setze(p, g.koeff);
  if (p.grad() >= 2) out.push_back(std::move(g));
}

}  // namespace

void Setze(PolynomT& p, const GeneratedPolynomial& g) {
  Setze(p, g.koeff);
}

std::vector<SchoolFunction> SchoolFunctions(int count) {
  Dice d(20240611);
  std::vector<SchoolFunction> out;
  for (int i = 0; i < count; ++i) {
    const std::string id = "school " + text::Str(static_cast<std::int32_t>(i));
    const Built zl = SchoolPart(d, {}, 3);
    const Built nn = SchoolPart(d, zl.zeros, 2);
    out.push_back({Finish(id + " numerator", zl), Finish(id + " denominator", nn)});
  }
  return out;
}

std::vector<GeneratedPolynomial> SchoolPolynomials(int functions) {
  std::vector<GeneratedPolynomial> out;
  for (SchoolFunction& s : SchoolFunctions(functions)) {
    RationalT f;
    Setze(f.Zl, s.zl.koeff);
    Setze(f.Nn, s.nn.koeff);
    RationalT a;
    a.Abl(f);
    const std::string id = s.zl.name.substr(0, s.zl.name.rfind(' '));
    Keep(out, std::move(s.zl));
    Keep(out, std::move(s.nn));
    Keep(out,
         Plain(id + " derivative numerator", Koeffizienten(a.Zl.Koeff.begin(), a.Zl.Koeff.end())));
  }
  return out;
}

std::vector<GeneratedPolynomial> ComparisonCorpus() {
  std::vector<GeneratedPolynomial> out = SchoolPolynomials(90);
  Dice d(7);

  const std::vector<double> gaps{1e-2, 1e-3, 1e-4, 1e-5, 1e-6};
  for (int i = 0; i < 40; ++i) {
    Built b;
    const double c = d.Pick(kRoots);
    AddRoot(b, c, 1 + d.Below(8));
    AddRoot(b, c + d.Pick(gaps), 1 + d.Below(8));
    if (d.Below(2) == 0) AddRoot(b, c - 1, 1 + d.Below(3));
    Keep(out, Finish("cluster " + text::Str(static_cast<std::int32_t>(i)), b));
  }
  Built eights;
  AddRoot(eights, 1, 8);
  AddRoot(eights, 2, 8);
  Keep(out, Finish("(x-1)^8 (x-2)^8", eights));

  for (int i = 0; i < 60; ++i) {
    Koeffizienten k(static_cast<std::size_t>(3 + d.Below(19)));
    for (double& c : k) c = d.Below(19) - 9;
    if (k.back() == 0) k.back() = 1;
    Keep(out, Plain("random coefficients " + text::Str(static_cast<std::int32_t>(i)), k));
  }

  for (int i = 0; i < 12; ++i) {
    Built b;
    const int n = 12 + d.Below(19);
    for (int j = 0; j < n; ++j) b.koeff = Mal(b.koeff, {-d.Pick(kRoots), 1.0});
    Keep(out, Plain("wide product " + text::Str(static_cast<std::int32_t>(i)), b.koeff));
  }

  Koeffizienten t0{1};
  Koeffizienten t1{0, 1};
  for (int n = 2; n <= 42; ++n) {
    Koeffizienten t2 = Mal(t1, {0, 2});
    for (std::size_t i = 0; i < t0.size(); ++i) t2[i] = t2[i] - t0[i];
    t0 = t1;
    t1 = t2;
  }
  Keep(out, Plain("Chebyshev T42", t1));
  Built w;
  for (int k = 1; k <= 42; ++k) AddRoot(w, k, 1);
  Keep(out, Finish("(x-1)(x-2)...(x-42)", w));
  Built s;
  AddRoot(s, -1, 21);
  AddRoot(s, 1, 21);
  Keep(out, Plain("(x^2-1)^21", s.koeff));
  Built r;
  for (int j = 0; j < 42; ++j) r.koeff = Mal(r.koeff, {-d.Pick(kRoots), 1.0});
  Keep(out, Plain("random roots, degree 42", r.koeff));
  return out;
}
