#include "exact/Term.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "algebra/PolynomT.h"

namespace exact {
namespace {

constexpr int kMaxDepth = 1000;
constexpr std::size_t kMaxDigits = 2400;
constexpr long kMaxBits = 8192;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool Fits(const Polynomial& p) {
  return p.Degree() <= PolynomT::kMaxGrad && p.Bits() <= kMaxBits;
}

class Reader {
 public:
  explicit Reader(std::string_view t) : t_(t) {}

  std::optional<Polynomial> Whole() {
    std::optional<Polynomial> p = Sum(0);
    if (!p || i_ != t_.size()) return std::nullopt;
    return p;
  }

 private:
  bool At(char c) const { return i_ < t_.size() && t_[i_] == c; }

  std::optional<Polynomial> Sum(int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    Polynomial sum;
    bool first = true;
    while (first || At('+') || At('-')) {
      bool negative = false;
      if (At('+') || At('-')) negative = t_[i_++] == '-';
      std::optional<Polynomial> p = Product(depth);
      if (!p) return std::nullopt;
      sum = negative ? sum - *p : sum + *p;
      first = false;
    }
    return sum;
  }

  std::optional<Polynomial> Product(int depth) {
    std::optional<Polynomial> product;
    while (i_ < t_.size() && !At('+') && !At('-') && !At(')')) {
      if (At('*')) {
        if (!product) return std::nullopt;
        ++i_;
      }
      std::optional<Polynomial> f = Power(depth);
      if (!f) return std::nullopt;
      product = product ? *product * *f : *f;
      if (!Fits(*product)) return std::nullopt;
    }
    return product;
  }

  std::optional<Polynomial> Power(int depth) {
    std::optional<Polynomial> base = Primary(depth);
    if (!base || !At('^')) return base;
    ++i_;
    const std::size_t start = i_;
    while (i_ < t_.size() && IsDigit(t_[i_])) ++i_;
    // A point after the exponent makes it fractional, not a product with a number.
    if (i_ == start || i_ - start > 4 || At('.')) return std::nullopt;
    const unsigned long e = std::stoul(std::string(t_.substr(start, i_ - start)));
    if (base->Degree() * static_cast<long>(e) > PolynomT::kMaxGrad ||
        base->Bits() * static_cast<long>(e) > kMaxBits)
      return std::nullopt;
    return base->Pow(e);
  }

  std::optional<Polynomial> Primary(int depth) {
    if (i_ >= t_.size()) return std::nullopt;
    const char c = t_[i_];
    if (c == 'x' || c == 'X') {
      ++i_;
      return Polynomial::X();
    }
    if (c == '(') {
      ++i_;
      std::optional<Polynomial> inner = Sum(depth + 1);
      if (!inner || !At(')')) return std::nullopt;
      ++i_;
      return inner;
    }
    const std::size_t start = i_;
    while (i_ < t_.size() && (IsDigit(t_[i_]) || t_[i_] == '.')) ++i_;
    if (i_ == start || i_ - start > kMaxDigits) return std::nullopt;
    const std::string_view number = t_.substr(start, i_ - start);
    // A second point or no digit at all is no decimal.
    if (std::count(number.begin(), number.end(), '.') > 1 || number == ".") return std::nullopt;
    return Polynomial::Decimal(number);
  }

  std::string_view t_;
  std::size_t i_ = 0;
};

}  // namespace

std::optional<Polynomial> ReadTerm(std::string_view term) {
  return Reader(term).Whole();
}

bool Agrees(const Polynomial& p, const PolynomT& read) {
  PolynomT rounded;
  if (p.Degree() != read.grad() || !read.AllFinite() || !p.RoundInto(rounded)) return false;
  double largest = 0;
  for (double c : read.Koeff) largest = std::max(largest, std::abs(c));
  for (int i = 0; i <= PolynomT::kMaxGrad; ++i)
    if (!(std::abs(rounded.Koeff[i] - read.Koeff[i]) <= 1e-12 * largest)) return false;
  return true;
}

}  // namespace exact
