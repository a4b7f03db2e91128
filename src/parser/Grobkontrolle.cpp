#include "parser/Grobkontrolle.h"

#include <optional>

#include "algebra/TextSemantics.h"
#include "parser/CharSet.h"

namespace Parser {
namespace {

// Whatever the later stages drop would let the rest join into another polynomial («1/2x^2» read
// as 12x^2, «x²-1» as x - 1), so a term holds only what the term language has. Blanks are dropped
// too: one may separate anything but two parts of numbers («2 3x», «x^2 2»). A Tab is a blank, as
// the denominator field takes the Tab key into its text.
bool OnlyTermLanguage(const std::string& s) {
  static const CharSet kTyped("0123456789.,()-+x^* ");
  static const CharSet kNumber("0123456789.,");
  std::optional<char> beforeBlanks;
  bool blanks = false;
  for (char c : s) {
    if (c == ' ' || c == '\t') {
      blanks = true;
      continue;
    }
    if (!kTyped.Has(c) || (blanks && kNumber.Has(beforeBlanks) && kNumber.Has(c))) return false;
    beforeBlanks = c;
    blanks = false;
  }
  return true;
}

}  // namespace

void Grobkontrolle(std::string& s, bool& ok) {
  if (text::InStr(s, "**") + text::InStr(s, "^x") + text::InStr(s, "x^(") + text::InStr(s, "e") >
          0 ||
      !OnlyTermLanguage(s)) {
    ok = false;
    s.clear();
    return;
  }
  static const CharSet kParserCharacters("0123456789.()-+x^*");
  std::string reduced;
  for (char c : s) {
    if (c == ',') {
      reduced += '.';
    } else if (kParserCharacters.Has(c)) {
      reduced += c;
    }
  }
  s = reduced;
}

}  // namespace Parser
