#include "parser/Grobkontrolle.h"

#include "algebra/TextSemantics.h"
#include "parser/CharSet.h"

namespace Parser {

void Grobkontrolle(std::string& s, bool& ok) {
  if (text::InStr(s, "**") + text::InStr(s, "^x") + text::InStr(s, "x^(") + text::InStr(s, "e") >
      0) {
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
