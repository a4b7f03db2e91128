#include "parser/KlammernFinden.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

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

const CharSet kKept("0123456789+-x().^");
const CharSet kFactorStart("0123456789.,x");
const CharSet kRightFactor("0123456789x,.^");
const CharSet kLeftFactor("0123456789.,-x^");
const CharSet kBeforeRemovable("+(");
const CharSet kAfterRemovable("+-)");

bool Dropped(char c) {
  return !kKept.Has(c);
}

// Where the ")" closing a bracket lies when the scan starts at from: the first position at which
// the depth, 1 at the start, falls to 0. flat tells whether no "(" came before it.
std::optional<std::size_t> ClosingScan(std::string_view t, std::size_t from, bool& flat) {
  flat = true;
  std::int32_t depth = 1;
  for (std::size_t p = from; p < t.size(); ++p) {
    if (t[p] == '(') {
      ++depth;
      flat = false;
    } else if (t[p] == ')' && --depth == 0) {
      return p;
    }
  }
  return std::nullopt;
}

// The one text that a rewriting and all its nested invocations work on: a nested invocation
// rewrites the second bracket's content where it stands, since copying the rest of a huge term
// for each of up to 1000 nesting levels took seconds. A pass sees the text with the characters
// LeerzeichenKillen drops removed, yet the rewriting hands back what the last pass inserted as it
// was produced. Since only inserted texts can bring such characters in, only they are filtered,
// and the last one is kept in its produced form.
struct Rewriting {
  std::string w;
  std::size_t insertedAt = 0;
  std::size_t insertedLength = 0;
  std::optional<std::string> produced;

  explicit Rewriting(std::string s) : w(std::move(s)) { std::erase_if(w, Dropped); }

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
    Moved(begin, end, insertedLength);
  }

  // With the "(" at open, the ")" that closes it before end, as the scan from open + 1 finds it.
  // Nesting levels ask for brackets that close near the end of the whole text, so the closing
  // brackets are looked up in a table of the text as it was, valid from the first character
  // after the last change on.
  std::optional<std::size_t> Closing(std::size_t open, std::size_t end, bool& flat) {
    if (!tabulated_) Tabulate();
    if (open >= unchangedFrom_) {
      const std::size_t close = closing_[open - unchangedFrom_ + unchangedWas_];
      if (close != std::string::npos && close - unchangedWas_ + unchangedFrom_ < end) {
        const std::size_t e = close - unchangedWas_ + unchangedFrom_;
        flat =
            std::string_view(w).substr(open + 1, e - open - 1).find('(') == std::string_view::npos;
        return e;
      }
    }
    return ClosingScan(std::string_view(w).substr(0, end), open + 1, flat);
  }

  std::string Result() {
    if (produced) w.replace(insertedAt, insertedLength, *produced);
    return std::move(w);
  }

 private:
  void Tabulate() {
    tabulated_ = true;
    unchangedFrom_ = 0;
    unchangedWas_ = 0;
    closing_.assign(w.size(), std::string::npos);
    std::vector<std::size_t> open;
    for (std::size_t p = 0; p < w.size(); ++p) {
      if (w[p] == '(') {
        open.push_back(p);
      } else if (w[p] == ')' && !open.empty()) {
        closing_[open.back()] = p;
        open.pop_back();
      }
    }
  }

  // The text from begin to end became length characters long; what follows is unchanged.
  void Moved(std::size_t begin, std::size_t end, std::size_t length) {
    if (!tabulated_) return;
    if (end <= unchangedFrom_) {
      unchangedFrom_ = unchangedFrom_ + length - (end - begin);
    } else {
      unchangedWas_ += end - unchangedFrom_;
      unchangedFrom_ = begin + length;
    }
  }

  bool tabulated_ = false;
  // From unchangedFrom_ on, the text is the tabulated one from unchangedWas_ on.
  std::size_t unchangedFrom_ = 0;
  std::size_t unchangedWas_ = 0;
  std::vector<std::size_t> closing_;
};

// The part of the text one invocation rewrites: the whole text, or a second bracket's content.
struct Window {
  Rewriting& r;
  std::size_t begin;
  std::size_t end;
  // No "(" lies between begin and openFrom and no ")" between begin and closeFrom: the text
  // before a pass's change stays as it was, so the searches of the next pass need not cross it
  // again.
  std::size_t openFrom;
  std::size_t closeFrom;

  void Replace(std::size_t from, std::size_t to, std::string x) {
    const std::size_t before = r.w.size();
    r.Replace(from, to, std::move(x));
    Changed(from, end + r.w.size() - before);
  }

  // The window's text from from on changed, and the window now ends at newEnd.
  void Changed(std::size_t from, std::size_t newEnd) {
    end = newEnd;
    openFrom = std::min(openFrom, from);
    closeFrom = std::min(closeFrom, from);
  }

  std::size_t Find(char c, std::size_t from) const {
    const std::size_t p = std::string_view(r.w).substr(0, end).find(c, from);
    return p == std::string_view::npos ? end : p;
  }

  // Also moves openFrom up to the first "(".
  bool HasOpening() {
    openFrom = Find('(', openFrom);
    return openFrom < end;
  }
};

void Rewrite(Rewriting& r, std::size_t begin, std::size_t& end, bool& ok, std::int32_t nesting);

// One pass sees the bracket pair that closes first: positions are 0-based here.
struct Pass {
  Window& t;
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
    while (end < t.end && IsDigit(w[end])) ++end;
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
    while (k + 1 < t.end && kRightFactor.Has(w[k + 1])) ++k;
    const std::string factor = w.substr(c + 1, k - c);
    t.Replace(o + 1, k + 1, Produkt(content, factor, ok) + ")");
  }

  void Drop() { t.Replace(o, c + 1, content); }

  void LeadingMinus() { t.Replace(o, c + 1, "1(" + content + ")"); }

  // A minus sign is the factor's first character: nothing further left belongs to it.
  void LeftFactor() {
    std::size_t k = o - 1;
    while (k > t.begin && w[k] != '-' && kLeftFactor.Has(w[k - 1])) --k;
    const std::string factor = w.substr(k, o - k);
    t.Replace(k, c + 1, "+(" + Produkt(factor, content, ok) + ")");
  }

  // False when the second bracket is never closed: its content and the texts around it would no
  // longer correspond.
  bool SecondBracket() {
    const std::size_t open = c + 1;
    bool flat = true;
    const std::size_t e = t.r.Closing(open, t.end, flat).value_or(t.end - 1);
    if (w[e] != ')') return false;
    if (!flat) {
      std::size_t contentEnd = e;
      Rewrite(t.r, open + 1, contentEnd, ok, nesting + 1);
      t.Changed(open + 1, t.end - e + contentEnd);
    } else if (e + 1 == t.end || w[e + 1] != '^') {
      t.Replace(o + 1, e, Produkt(content, w.substr(open + 1, e - open - 1), ok));
    } else {
      std::size_t end = 0;
      if (const auto n = Exponent(e + 1, end))
        t.Replace(open + 1, end, Potenzieren(w.substr(open + 1, e - open - 1), *n, ok) + ")");
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
bool RewriteOnce(Window& t, bool& ok, std::int32_t nesting) {
  t.r.produced.reset();
  const std::string& w = t.r.w;
  const std::size_t c = t.Find(')', t.closeFrom);
  if (c == t.end) return false;
  t.closeFrom = c;
  const std::size_t o = std::string_view(w).substr(0, c).rfind('(');
  if (o == std::string_view::npos || o < t.begin) return false;
  Pass pass{t,
            w,
            ok,
            nesting,
            o,
            c,
            w.substr(o + 1, c - o - 1),
            o > t.begin ? std::optional<char>(w[o - 1]) : std::nullopt,
            c + 1 < t.end ? std::optional<char>(w[c + 1]) : std::nullopt};
  return pass.Apply();
}

// Rewrites the text from begin to end; end moves with the changes.
void Rewrite(Rewriting& r, std::size_t begin, std::size_t& end, bool& ok, std::int32_t nesting) {
  if (nesting > kMaxNesting) {
    ok = false;
    return;
  }
  Window t{r, begin, end, begin, begin};
  if (!t.HasOpening()) return;
  std::int32_t passes = 1;
  while (true) {
    CoreContext::Instanz().Yield();
    const bool changed = RewriteOnce(t, ok, nesting);
    ++passes;
    if (passes > kMaxPasses) ok = false;
    if (!ok || !changed || !t.HasOpening()) break;
  }
  end = t.end;
}

}  // namespace

std::string LeerzeichenKillen(const std::string& t) {
  std::string result = t;
  std::erase_if(result, Dropped);
  return result;
}

void FindeKlammerschluss(const std::string& t, std::int32_t i, std::int32_t& e, bool& flat) {
  const auto close = ClosingScan(t, static_cast<std::size_t>(std::max(i, 0)), flat);
  e = close ? static_cast<std::int32_t>(*close) + 1 : static_cast<std::int32_t>(t.size());
}

void KlammernFinden(std::string& s, bool& ok) {
  // A text without a bracket comes back unfiltered.
  if (s.find('(') == std::string::npos) return;
  Rewriting r(std::move(s));
  std::size_t end = r.w.size();
  Rewrite(r, 0, end, ok, 1);
  s = r.Result();
}

}  // namespace Parser
