#include "exact/TermText.h"

#include <cmath>

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "exact/Term.h"

namespace exact {

std::string TermText(const Polynomial& p) {
  std::string result;
  for (int i = 0; i <= p.Degree(); ++i) {
    const Rational c = p.Coefficient(i);
    if (c.Sign() == 0) continue;
    const std::optional<std::string> decimal = c.DecimalMagnitude();
    const std::string betrag =
        decimal ? *decimal : text::Format(std::abs(c.ToDouble()), "#.##############");
    Zahl::Summand(result, c.Sign() < 0, betrag == "1", betrag, i);
  }
  return result.empty() ? "0" : result;
}

bool Readable(const Polynomial& p) {
  for (int i = 0; i <= p.Degree(); ++i)
    if (p.Coefficient(i).DecimalLength() > kMaxNumberDigits) return false;
  return true;
}

}  // namespace exact
