#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "exact/Term.h"
#include "parser/KlammernFinden.h"
#include "parser/ParseChain.h"
#include "parser/String2Poly.h"

namespace {

constexpr double kUntouched = 7.0;

// A refusal must leave the target as it was, an acceptance must leave only finite coefficients.
void CheckTarget(const PolynomT& P, bool ok) {
  for (double c : P.Koeff)
    if (ok ? !std::isfinite(c) : c != kUntouched) __builtin_trap();
}

void Fill(PolynomT& P) {
  P.Koeff.fill(kUntouched);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  CoreContext::Instanz().messages.clear();

  PolynomT P;
  bool ok = false;
  Fill(P);
  Parser::ParseChain(input, P, ok);
  CheckTarget(P, ok);

  // Other callers hand String2Poly and the rewriting texts that the earlier stages never saw.
  Fill(P);
  Parser::String2Poly(P, input, ok);
  CheckTarget(P, ok);

  // The exact reading takes the same texts, normalized and raw: it may decline any of them, but
  // what it reads fits a PolynomT.
  for (const auto& e : {Parser::ExactTerm(input), exact::ReadTerm(input)})
    if (e && e->Degree() > PolynomT::kMaxGrad) __builtin_trap();
  std::string rewritten = input;
  bool rewriteOk = true;
  Parser::KlammernFinden(rewritten, rewriteOk);
  return 0;
}
