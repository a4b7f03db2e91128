#include "exact/Term.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "algebra/PolynomT.h"
#include "exact/TermText.h"

namespace exact {
namespace {

constexpr int kMaxDepth = 1000;
// Products and powers grow no larger than the longest number the reader takes: the whole numbers
// of a decimal of kMaxNumberDigits characters.
const long kMaxBits = static_cast<long>(std::ceil(kMaxNumberDigits * std::log2(10.0))) + 1;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Sums terms as they are read, adding partial sums of similar size and keeping a much larger one
// apart until the end: added one after another, each of the many small terms beside a long number
// would copy it once.
class Sum {
 public:
  void Add(const Polynomial& p, bool negative) {
    if (partial_.empty() || Size(partial_.back()) > 2 * Size(p)) {
      partial_.push_back(negative ? -p : p);
      return;
    }
    fmpq_poly_struct* top = partial_.back().get();
    if (negative) {
      fmpq_poly_sub(top, top, p.get());
    } else {
      fmpq_poly_add(top, top, p.get());
    }
    while (partial_.size() >= 2 && Size(partial_[partial_.size() - 2]) <= 2 * Size(partial_.back()))
      AddTop();
  }

  Polynomial Result() {
    if (partial_.empty()) return Polynomial();
    while (partial_.size() >= 2) AddTop();
    return std::move(partial_.front());
  }

 private:
  static long Size(const Polynomial& p) {
    return (std::max(p.Degree(), 0) + 1) * std::max(p.Bits(), 1L);
  }

  void AddTop() {
    const Polynomial top = std::move(partial_.back());
    partial_.pop_back();
    fmpq_poly_add(partial_.back().get(), partial_.back().get(), top.get());
  }

  std::vector<Polynomial> partial_;
};

class Reader {
 public:
  explicit Reader(std::string_view t) : t_(t) {}

  // Whether the reading stopped at a number, product or power past the size limit.
  bool TooLong() const { return tooLong_; }

  std::optional<Polynomial> Whole() {
    std::optional<Polynomial> p = Sum(0);
    if (!p || i_ != t_.size()) return std::nullopt;
    return p;
  }

 private:
  bool At(char c) const { return i_ < t_.size() && t_[i_] == c; }

  std::optional<Polynomial> Sum(int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    exact::Sum sum;
    bool first = true;
    while (first || At('+') || At('-')) {
      bool negative = false;
      if (At('+') || At('-')) negative = t_[i_++] == '-';
      std::optional<Polynomial> p = Product(depth);
      if (!p) return std::nullopt;
      sum.Add(*p, negative);
      first = false;
    }
    return sum.Result();
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
      // Only a multiplication grows a term: a bracketed sum alone, as the function texts write a
      // numerator with a sign, is as long as its numbers.
      if (!product) {
        product = std::move(f);
      } else {
        product = *product * *f;
        if (!Fits(*product)) return std::nullopt;
      }
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
    if (base->Degree() * static_cast<long>(e) > PolynomT::kMaxGrad) return std::nullopt;
    if (base->Bits() * static_cast<long>(e) > kMaxBits) return Refused();
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
    if (i_ == start) return std::nullopt;
    if (i_ - start > kMaxNumberDigits) return Refused();
    const std::string_view number = t_.substr(start, i_ - start);
    // A second point or no digit at all is no decimal.
    if (std::count(number.begin(), number.end(), '.') > 1 || number == ".") return std::nullopt;
    return Polynomial::Decimal(number);
  }

  bool Fits(const Polynomial& p) {
    if (p.Bits() > kMaxBits) tooLong_ = true;
    return p.Degree() <= PolynomT::kMaxGrad && !tooLong_;
  }

  std::optional<Polynomial> Refused() {
    tooLong_ = true;
    return std::nullopt;
  }

  std::string_view t_;
  bool tooLong_ = false;
  std::size_t i_ = 0;
};

}  // namespace

bool HasOverlongNumber(std::string_view term) {
  std::size_t run = 0;
  for (char c : term) {
    run = IsDigit(c) || c == '.' || c == ',' ? run + 1 : 0;
    if (run > kMaxNumberDigits) return true;
  }
  return false;
}

std::optional<Polynomial> ReadTerm(std::string_view term, bool* tooLongOut) {
  Reader reader(term);
  std::optional<Polynomial> p = reader.Whole();
  // A term within the size limit may still multiply out to a longer number, whose text the
  // program could not read back once it had written it.
  const bool tooLong = reader.TooLong() || (p && !Readable(*p));
  if (tooLongOut) *tooLongOut = tooLong;
  if (tooLong) p.reset();
  return p;
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
