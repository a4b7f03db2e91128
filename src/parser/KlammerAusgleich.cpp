#include "parser/KlammerAusgleich.h"

#include <cstddef>

#include "parser/CharSet.h"

namespace Parser {
namespace {

constexpr std::size_t kNone = std::string::npos;
// What a "*" needs on its left, and what its right factor starts with after its signs.
const CharSet kFactorEnd("0123456789.x)");
const CharSet kFactorBegin("0123456789.x(");

bool IsSign(char c) {
  return c == '+' || c == '-';
}

// The position after the right factor of the "*" at star, kNone when there is none. The factor
// takes its leading signs and runs to the next sign outside its brackets or to the ")" of an
// enclosing bracket; signs right after a later "*" belong to its factor, and signs right after
// "^" to the exponent.
std::size_t RightFactorEnd(const std::string& t, std::size_t star) {
  std::size_t k = star + 1;
  while (k < t.size() && IsSign(t[k])) ++k;
  if (k == t.size() || !kFactorBegin.Has(t[k])) return kNone;
  int depth = 0;
  bool afterOperator = false;
  for (; k < t.size(); ++k) {
    const char ch = t[k];
    if (IsSign(ch)) {
      if (depth == 0 && !afterOperator) break;
      continue;
    }
    afterOperator = ch == '*' || ch == '^';
    if (ch == '(') {
      ++depth;
    } else if (ch == ')') {
      if (depth == 0) break;
      --depth;
    }
  }
  return k;
}

}  // namespace

void KlammerAusgleich(std::string& s, bool& ok) {
  std::size_t depth = 0;
  for (char c : s) {
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 0) ok = false;
      if (depth > 0) --depth;
    }
  }
  if (!ok) return;

  std::string t = s + std::string(depth, ')');
  for (std::size_t star = t.find('*'); star != kNone; star = t.find('*')) {
    if (star == 0 || !kFactorEnd.Has(t[star - 1])) {
      ok = false;
      return;
    }
    // A bracket is already a factor of its own.
    if (star + 1 < t.size() && t[star + 1] == '(') {
      t.erase(star, 1);
      continue;
    }
    const std::size_t end = RightFactorEnd(t, star);
    if (end == kNone) {
      ok = false;
      return;
    }
    t.insert(end, ")");
    t[star] = '(';
  }
  s = t;
}

}  // namespace Parser
