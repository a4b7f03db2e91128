#include "parser/TermArithmetic.h"

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "parser/String2Poly.h"

namespace Parser {
namespace {

// Beyond this a constant base would only burn time: its degree never overflows.
constexpr std::int32_t kMaxConstantExponent = 1000;

bool Read(PolynomT& P, const std::string& t, bool& ok) {
  bool read = true;
  String2Poly(P, t, read);
  if (!read) ok = false;
  return read;
}

std::string WrittenBack(const PolynomT& P, bool& ok) {
  if (!P.AllFinite()) {
    ok = false;
    return "0";
  }
  return P.Term2String();
}

}  // namespace

std::string Potenzieren(const std::string& t, std::int32_t n, bool& ok) {
  if (n == 1) return "(" + t + ")";
  PolynomT P;
  // Read also for n < 1: a refused base refuses the term whatever its exponent.
  const bool read = Read(P, t, ok);
  if (n < 1) return "1";
  if (!read) return "0";
  if (P.grad() == 0 && n > kMaxConstantExponent) {
    ok = false;
    return "0";
  }
  PolynomT Q;
  Q.KopieVon(P);
  // Once the product is zero it stays zero without another degree message.
  for (std::int32_t i = 1; i < n && !Q.IstNull(); ++i) {
    Q.Produkt(Q, P);
    CoreContext::Instanz().Yield();
  }
  return WrittenBack(Q, ok);
}

std::string Produkt(const std::string& a, const std::string& b, bool& ok) {
  PolynomT P;
  PolynomT Q;
  const bool readA = Read(P, a, ok);
  const bool readB = Read(Q, b, ok);
  if (!readA || !readB) return "0";
  Q.Produkt(Q, P);
  return WrittenBack(Q, ok);
}

}  // namespace Parser
