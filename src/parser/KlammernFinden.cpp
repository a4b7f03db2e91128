#include "parser/KlammernFinden.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>

#include "algebra/CoreContext.h"
#include "algebra/TextSemantics.h"
#include "parser/CharSet.h"
#include "parser/TermArithmetic.h"

namespace Parser {
namespace {

constexpr std::int32_t kMaxPasses = 1000;
// Each second bracket that holds brackets is rewritten by a call of its own; like the passes, the
// depth of these calls is bounded, so that a pasted term cannot exhaust the stack.
constexpr std::int32_t kMaxNesting = 1000;

void Rewrite(std::string& s, bool& ok, std::int32_t nesting);

const CharSet kKept("0123456789+-x().^");
const CharSet kFactorStart("0123456789.,x");
const CharSet kRightFactor("0123456789x,.^");
const CharSet kLeftFactor("0123456789.,-x^");
const CharSet kBeforeRemovable("+(");
const CharSet kAfterRemovable("+-)");

// One pass sees the bracket pair that closes first: positions are 0-based here.
struct Pass {
  std::string& w;
  bool& ok;
  std::int32_t nesting;
  std::size_t o;
  std::size_t c;
  std::string content;
  std::optional<char> L;
  std::optional<char> R;

  // The digit run after the "^" at caret; end is the position after it. An exponent beyond the
  // Int32 range refuses the term.
  std::optional<std::int32_t> Exponent(std::size_t caret, std::size_t& end) const {
    end = caret + 1;
    while (end < w.size() && IsDigit(w[end])) ++end;
    const double n = text::Val(std::string_view(w).substr(caret + 1, end - caret - 1));
    if (n > std::numeric_limits<std::int32_t>::max()) {
      ok = false;
      return std::nullopt;
    }
    return text::ToInt32(n);
  }

  void Power() {
    std::size_t end = 0;
    if (const auto n = Exponent(c + 1, end))
      w = w.substr(0, o) + "(" + Potenzieren(content, *n, ok) + ")" + w.substr(end);
  }

  void RightFactor() {
    std::size_t k = c + 1;
    while (k + 1 < w.size() && kRightFactor.Has(w[k + 1])) ++k;
    const std::string factor = w.substr(c + 1, k - c);
    w = w.substr(0, o + 1) + Produkt(content, factor, ok) + ")" + w.substr(k + 1);
  }

  void Drop() { w = w.substr(0, o) + content + w.substr(c + 1); }

  void LeadingMinus() { w = w.substr(0, o) + "1(" + content + ")" + w.substr(c + 1); }

  // A minus sign is the factor's first character: nothing further left belongs to it.
  void LeftFactor() {
    std::size_t k = o - 1;
    while (k > 0 && w[k] != '-' && kLeftFactor.Has(w[k - 1])) --k;
    const std::string factor = w.substr(k, o - k);
    w = w.substr(0, k) + "+(" + Produkt(factor, content, ok) + ")" + w.substr(c + 1);
  }

  // False when the second bracket is never closed: its content and the texts around it would no
  // longer correspond.
  bool SecondBracket() {
    const std::size_t open = c + 1;
    std::int32_t e1 = 0;
    bool flat = true;
    FindeKlammerschluss(w, static_cast<std::int32_t>(open + 1), e1, flat);
    const std::size_t e = static_cast<std::size_t>(e1) - 1;
    if (w[e] != ')') return false;
    std::string B = w.substr(open + 1, e - open - 1);
    if (!flat) {
      Rewrite(B, ok, nesting + 1);
      w = w.substr(0, open + 1) + B + w.substr(e);
    } else if (e + 1 == w.size() || w[e + 1] != '^') {
      w = w.substr(0, o + 1) + Produkt(content, B, ok) + w.substr(e);
    } else {
      std::size_t end = 0;
      if (const auto n = Exponent(e + 1, end))
        w = w.substr(0, open + 1) + Potenzieren(B, *n, ok) + ")" + w.substr(end);
    }
    return true;
  }

  // Tries the rules in their order; false when none applies.
  bool Apply() {
    const bool rEnds = !R || kAfterRemovable.Has(R);
    if (R == '^') {
      Power();
    } else if (kFactorStart.Has(R)) {
      RightFactor();
    } else if ((!L || kBeforeRemovable.Has(L)) && rEnds) {
      Drop();
    } else if (L == '-' && rEnds) {
      LeadingMinus();
    } else if (kFactorStart.Has(L) && (rEnds || R == '(')) {
      LeftFactor();
    } else if (R == '(') {
      return SecondBracket();
    } else {
      return false;
    }
    return true;
  }
};

// False when no rule applies, also when no ")" closes a "(".
bool RewriteOnce(std::string& w, bool& ok, std::int32_t nesting) {
  const std::size_t c = w.find(')');
  if (c == std::string::npos) return false;
  const std::size_t o = w.rfind('(', c);
  if (o == std::string::npos) return false;
  Pass pass{w,
            ok,
            nesting,
            o,
            c,
            w.substr(o + 1, c - o - 1),
            o > 0 ? std::optional<char>(w[o - 1]) : std::nullopt,
            c + 1 < w.size() ? std::optional<char>(w[c + 1]) : std::nullopt};
  return pass.Apply();
}

void Rewrite(std::string& s, bool& ok, std::int32_t nesting) {
  if (nesting > kMaxNesting) {
    ok = false;
    return;
  }
  std::string w = s;
  bool changed = true;
  std::int32_t passes = 1;
  while (w.find('(') != std::string::npos && changed) {
    CoreContext::Instanz().Yield();
    w = LeerzeichenKillen(w);
    changed = RewriteOnce(w, ok, nesting);
    ++passes;
    if (passes > kMaxPasses) ok = false;
    if (!ok) break;
  }
  s = w;
}

}  // namespace

std::string LeerzeichenKillen(const std::string& t) {
  std::string result;
  for (char c : t)
    if (kKept.Has(c)) result += c;
  return result;
}

void FindeKlammerschluss(const std::string& t, std::int32_t i, std::int32_t& e, bool& flat) {
  flat = true;
  std::int32_t depth = 1;
  const auto length = static_cast<std::int32_t>(t.size());
  for (std::int32_t p = std::max(i + 1, 1); p <= length; ++p) {
    const char ch = t[static_cast<std::size_t>(p) - 1];
    if (ch == '(') {
      ++depth;
      flat = false;
    } else if (ch == ')' && --depth == 0) {
      e = p;
      return;
    }
  }
  e = length;
}

void KlammernFinden(std::string& s, bool& ok) {
  Rewrite(s, ok, 1);
}

}  // namespace Parser
