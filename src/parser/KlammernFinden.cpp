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

bool Dropped(char c) {
  return !kKept.Has(c);
}

// The text being rewritten. A pass sees the text with the characters LeerzeichenKillen drops
// removed, yet the rewriting hands back what the last pass inserted as it was produced. Since only
// inserted texts can bring such characters in, only they are filtered, and the last one is kept
// in its produced form: filtering a huge term whole in each of its passes would take seconds.
struct WorkText {
  std::string w;
  // No "(" lies before openFrom and no ")" before closeFrom: the text before a pass's change stays
  // as it was, so the searches of the next pass need not cross it again.
  std::size_t openFrom = 0;
  std::size_t closeFrom = 0;
  std::size_t insertedAt = 0;
  std::size_t insertedLength = 0;
  std::optional<std::string> produced;

  explicit WorkText(std::string s) : w(std::move(s)) { std::erase_if(w, Dropped); }

  // The text from begin to end gives way to the inserted text x.
  void Replace(std::size_t begin, std::size_t end, std::string x) {
    insertedAt = begin;
    if (std::ranges::any_of(x, Dropped)) {
      const std::string kept = LeerzeichenKillen(x);
      insertedLength = kept.size();
      w.replace(begin, end - begin, kept);
      produced = std::move(x);
    } else {
      insertedLength = x.size();
      w.replace(begin, end - begin, x);
    }
    openFrom = std::min(openFrom, begin);
    closeFrom = std::min(closeFrom, begin);
  }

  // Also moves openFrom up to the first "(".
  bool HasOpening() {
    openFrom = std::min(w.find('(', openFrom), w.size());
    return openFrom < w.size();
  }

  std::string Result() {
    if (produced) w.replace(insertedAt, insertedLength, *produced);
    return std::move(w);
  }
};

// One pass sees the bracket pair that closes first: positions are 0-based here.
struct Pass {
  WorkText& t;
  const std::string& w;
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
      t.Replace(o, end, "(" + Potenzieren(content, *n, ok) + ")");
  }

  void RightFactor() {
    std::size_t k = c + 1;
    while (k + 1 < w.size() && kRightFactor.Has(w[k + 1])) ++k;
    const std::string factor = w.substr(c + 1, k - c);
    t.Replace(o + 1, k + 1, Produkt(content, factor, ok) + ")");
  }

  void Drop() { t.Replace(o, c + 1, content); }

  void LeadingMinus() { t.Replace(o, c + 1, "1(" + content + ")"); }

  // A minus sign is the factor's first character: nothing further left belongs to it.
  void LeftFactor() {
    std::size_t k = o - 1;
    while (k > 0 && w[k] != '-' && kLeftFactor.Has(w[k - 1])) --k;
    const std::string factor = w.substr(k, o - k);
    t.Replace(k, c + 1, "+(" + Produkt(factor, content, ok) + ")");
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
      t.Replace(open + 1, e, std::move(B));
    } else if (e + 1 == w.size() || w[e + 1] != '^') {
      t.Replace(o + 1, e, Produkt(content, B, ok));
    } else {
      std::size_t end = 0;
      if (const auto n = Exponent(e + 1, end))
        t.Replace(open + 1, end, Potenzieren(B, *n, ok) + ")");
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
bool RewriteOnce(WorkText& t, bool& ok, std::int32_t nesting) {
  t.produced.reset();
  const std::string& w = t.w;
  const std::size_t c = w.find(')', t.closeFrom);
  if (c == std::string::npos) return false;
  t.closeFrom = c;
  const std::size_t o = w.rfind('(', c);
  if (o == std::string::npos) return false;
  Pass pass{t,
            w,
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
  if (s.find('(') == std::string::npos) return;
  WorkText t(std::move(s));
  std::int32_t passes = 1;
  while (true) {
    CoreContext::Instanz().Yield();
    const bool changed = RewriteOnce(t, ok, nesting);
    ++passes;
    if (passes > kMaxPasses) ok = false;
    if (!ok || !changed || !t.HasOpening()) break;
  }
  s = t.Result();
}

}  // namespace

std::string LeerzeichenKillen(const std::string& t) {
  std::string result = t;
  std::erase_if(result, Dropped);
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
