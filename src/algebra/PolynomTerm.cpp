#include <algorithm>
#include <cmath>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"

namespace {

// Both term texts: one term per coefficient that is not exactly 0 up to the degree, in ascending
// powers, each "sign magnitude power" followed by two blanks.
template <typename Magnitude>
std::string TermText(const PolynomT& p, Magnitude magnitude) {
  std::string result;
  bool first = true;
  const int g = p.grad();
  for (int i = 0; i <= g; ++i) {
    const double c = p.Koeff[i];
    if (c == 0.0) continue;
    if (c < 0) {
      result += "- ";
    } else if (!first) {
      result += "+ ";
    }
    first = false;
    if (!(std::abs(c) == 1 && i >= 1)) result += magnitude(std::abs(c));
    result += Zahl::xhoch(i) + "  ";
  }
  return result.empty() ? "0" : result;
}

// A magnitude that rounds to nothing still writes "0": an empty magnitude before a power of x
// would read back as 1.
std::string NonEmpty(std::string m) {
  return m.empty() ? "0" : m;
}

}  // namespace

std::string PolynomT::Term2String() const {
  return TermText(*this, [](double m) { return NonEmpty(text::Format(m, "#.##############")); });
}

std::string PolynomT::Term2String2() const {
  const int k = std::clamp(CoreContext::Instanz().Stellenzahl, 0, 7);
  const std::string mask = k == 0 ? "#" : "#." + std::string(k, '#');
  return TermText(*this, [&mask](double m) { return NonEmpty(text::Format(m, mask)); });
}

void PolynomT::zeigen() const {
  CoreContext::Instanz().MsgBox(Term2String());
}
