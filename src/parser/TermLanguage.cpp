#include "parser/TermLanguage.h"

#include <cstddef>
#include <string_view>

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

// The power whose "^" stands at caret; drops the "+" and "^" after x^ that the bracket-free reading
// would drop too.
bool PowerReadable(std::string& t, std::size_t caret) {
  const bool ofX = caret > 0 && IsX(t[caret - 1]);
  if (!ofX && (caret == 0 || t[caret - 1] != ')')) return false;
  const std::size_t k = caret + 1;
  if (ofX) {
    std::size_t r = k;
    while (r < t.size() && (t[r] == '+' || t[r] == '^')) ++r;
    t.erase(k, r - k);
  }
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
  std::string t = s;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const bool readable =
        t[i] == '^' ? PowerReadable(t, i) : !(IsX(t[i]) && i + 1 < t.size() && t[i + 1] == '.');
    if (!readable) {
      ok = false;
      return;
    }
  }
  if (!NumbersReadable(t)) {
    ok = false;
    return;
  }
  s = CollapsedSigns(t);
}

}  // namespace Parser
