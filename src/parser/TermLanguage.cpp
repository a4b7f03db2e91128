#include "parser/TermLanguage.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "algebra/PolynomT.h"
#include "algebra/TextSemantics.h"
#include "parser/CharSet.h"

namespace Parser {
namespace {

bool IsX(char c) {
  return c == 'x' || c == 'X';
}

std::size_t DigitRunEnd(const std::string& t, std::size_t k) {
  while (k < t.size() && IsDigit(t[k])) ++k;
  return k;
}

// The power whose "^" stands at t[caret], with u the text written so far (the "^" not yet); writes
// the "^" and drops the "+" and "^" after x^ that the bracket-free reading would drop too. next is
// where the reading goes on in t.
bool PowerReadable(const std::string& t, std::size_t caret, std::string& u, std::size_t& next) {
  const bool ofX = !u.empty() && IsX(u.back());
  if (!ofX && (u.empty() || u.back() != ')')) return false;
  u += '^';
  std::size_t k = caret + 1;
  if (ofX)
    while (k < t.size() && (t[k] == '+' || t[k] == '^')) ++k;
  next = k;
  const std::size_t end = DigitRunEnd(t, k);
  if (end == k || (end < t.size() && t[end] == '.')) return false;
  if (!ofX) return true;
  return t[k] != '0' && end - k <= 2 &&
         text::Val(std::string_view(t).substr(k, end - k)) <= PolynomT::kMaxGrad;
}

// Val would read a lone "." as 0 and stop at a second ".", ignoring what follows it.
bool NumbersReadable(const std::string& t) {
  std::size_t digits = 0;
  std::size_t points = 0;
  for (std::size_t i = 0; i <= t.size(); ++i) {
    if (i < t.size() && IsDigit(t[i])) {
      ++digits;
    } else if (i < t.size() && t[i] == '.') {
      ++points;
    } else {
      if (points > 1 || (points == 1 && digits == 0)) return false;
      digits = 0;
      points = 0;
    }
  }
  return true;
}

// "--" is "+", "-+-" is "-": the reading of the bracket-free stage. A sign before ")" signs
// nothing, as at the end of a text, and would merge with the sign after the bracket once it is
// dropped.
std::string CollapsedSigns(const std::string& t) {
  std::string result;
  bool inRun = false;
  for (char c : t) {
    const bool sign = c == '+' || c == '-';
    if (sign && inRun) {
      if (c == '-') result.back() = result.back() == '-' ? '+' : '-';
    } else if (c == ')' && inRun) {
      result.back() = c;
    } else {
      result += c;
    }
    inRun = sign;
  }
  return result;
}

}  // namespace

void NormalizeTerm(std::string& s, bool& ok) {
  std::string u;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t next = i + 1;
    bool readable = true;
    if (s[i] == '^') {
      readable = PowerReadable(s, i, u, next);
    } else {
      readable = !(IsX(s[i]) && i + 1 < s.size() && s[i + 1] == '.');
      u += s[i];
    }
    if (!readable) {
      ok = false;
      return;
    }
    i = next;
  }
  std::string collapsed = CollapsedSigns(u);
  // The rewriting reads an empty bracket as the factor 0, so «x()» would silently be f = 0.
  if (!NumbersReadable(u) || collapsed.find("()") != std::string::npos) {
    ok = false;
    return;
  }
  s = std::move(collapsed);
}

}  // namespace Parser
