#include "parser/ParseChain.h"

#include "exact/Term.h"
#include "parser/Grobkontrolle.h"
#include "parser/KlammerAusgleich.h"
#include "parser/KlammernFinden.h"
#include "parser/String2Poly.h"
#include "parser/TermLanguage.h"

namespace Parser {

void NormalizedTerm(std::string& s, bool& ok) {
  ok = true;
  Grobkontrolle(s, ok);
  if (ok) KlammerAusgleich(s, ok);
  if (ok) NormalizeTerm(s, ok);
}

std::optional<exact::Polynomial> ExactTerm(std::string s, bool* tooLong) {
  if (tooLong) *tooLong = false;
  bool ok = true;
  NormalizedTerm(s, ok);
  if (!ok) return std::nullopt;
  return exact::ReadTerm(s, tooLong);
}

void ParseChain(std::string s, PolynomT& target, bool& ok) {
  NormalizedTerm(s, ok);
  if (ok) KlammernFinden(s, ok);
  // A bracket left by the rewriting would be dropped unread by the bracket-free reading.
  if (ok && s.find_first_of("()") != std::string::npos) ok = false;
  if (ok) String2Poly(target, s, ok);
}

}  // namespace Parser
