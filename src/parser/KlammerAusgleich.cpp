#include "parser/KlammerAusgleich.h"

#include <cstddef>
#include <vector>

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

// For every position j, where a right factor whose scan starts at j ends: at the next sign
// outside its brackets or the ")" of an enclosing bracket, at the end of the text otherwise. A
// sign right after "*" or "^" (past further signs) belongs to the factor of that "*" or to the
// exponent. Computed once from the right, since a factor can hold thousands of later factors;
// the text must be balanced.
std::vector<std::size_t> RightFactorEnds(const std::string& t) {
  const std::size_t n = t.size();
  std::vector<std::size_t> closing(n, kNone);
  std::vector<std::size_t> open;
  std::vector<bool> endsFactor(n, false);
  char lastNonSign = '\0';
  for (std::size_t j = 0; j < n; ++j) {
    if (IsSign(t[j])) {
      endsFactor[j] = lastNonSign != '*' && lastNonSign != '^';
      continue;
    }
    lastNonSign = t[j];
    if (t[j] == '(') {
      open.push_back(j);
    } else if (t[j] == ')') {
      closing[open.back()] = j;
      open.pop_back();
    }
  }
  std::vector<std::size_t> end(n + 1, n);
  for (std::size_t j = n; j-- > 0;) {
    const char ch = t[j];
    if (ch == ')' || (IsSign(ch) && endsFactor[j])) {
      end[j] = j;
    } else if (ch == '(') {
      end[j] = end[closing[j] + 1];
    } else {
      end[j] = end[j + 1];
    }
  }
  return end;
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

  const std::string t = s + std::string(depth, ')');
  if (t.find('*') == kNone) {
    s = t;
    return;
  }
  // Each "*" is rewritten on its own: the brackets written for earlier ones never change where a
  // later factor ends, so all ends are taken from the balanced text.
  const std::vector<std::size_t> factorEnd = RightFactorEnds(t);
  std::vector<std::size_t> closingBefore(t.size() + 1, 0);
  std::string opened;
  opened.reserve(t.size());
  for (std::size_t star = 0; star < t.size(); ++star) {
    if (t[star] != '*') {
      opened += t[star];
      continue;
    }
    if (star == 0 || !kFactorEnd.Has(t[star - 1])) {
      ok = false;
      return;
    }
    // A bracket is already a factor of its own.
    if (star + 1 < t.size() && t[star + 1] == '(') continue;
    std::size_t k = star + 1;
    while (k < t.size() && IsSign(t[k])) ++k;
    if (k == t.size() || !kFactorBegin.Has(t[k])) {
      ok = false;
      return;
    }
    ++closingBefore[factorEnd[k]];
    opened += '(';
  }
  std::string result;
  result.reserve(opened.size() + t.size());
  std::size_t j = 0;
  for (std::size_t i = 0; i <= t.size(); ++i) {
    result.append(closingBefore[i], ')');
    if (i < t.size() && !(t[i] == '*' && i + 1 < t.size() && t[i + 1] == '('))
      result += opened[j++];
  }
  s = result;
}

}  // namespace Parser
