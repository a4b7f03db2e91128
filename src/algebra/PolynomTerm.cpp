#include <algorithm>
#include <cmath>
#include <string_view>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"

namespace {

// Both term texts: one term per coefficient that is not exactly 0 up to the degree, in ascending
// powers, each "sign magnitude power" followed by two blanks.
std::string TermText(const PolynomT& p, std::string_view mask) {
  std::string result;
  const int g = p.grad();
  for (int i = 0; i <= g; ++i) {
    const double c = p.Koeff[i];
    if (c != 0.0) Zahl::Summand(result, c < 0, std::abs(c) == 1, text::Format(std::abs(c), mask), i);
  }
  return result.empty() ? "0" : result;
}

}  // namespace

std::string PolynomT::Term2String() const {
  return TermText(*this, "#.##############");
}

std::string PolynomT::Term2String2() const {
  const int k = std::clamp(CoreContext::Instanz().Stellenzahl, 0, 7);
  const std::string mask = k == 0 ? "#" : "#." + std::string(k, '#');
  return TermText(*this, mask);
}

void PolynomT::zeigen() const {
  CoreContext::Instanz().MsgBox(Term2String());
}
