#include "funclist/core/Koeffizientenrundung.h"

#include <algorithm>

#include "algebra/TextSemantics.h"
#include "exact/Operations.h"

namespace Koeffizientenrundung {

std::optional<std::int32_t> Stellen(std::string_view boxText) {
  if (text::InStr(boxText, "nicht") != 0) return std::nullopt;
  return std::clamp(text::ToInt32(text::Val(boxText)), 0, kHoechsteStellenzahl);
}

std::string Botschaft(std::int32_t n) {
  if (n == 0) return "Alle Koeffizienten auf ganze Zahlen Runden";
  if (n == 1) return "Runden der Koeffizienten auf eine Nachkommastelle";
  if (n >= 2 && n <= 7) return "Runden der Koeffizienten auf " + text::Str(n) + " Dezimalen";
  return {};
}

bool Runden(RationalT& f, std::int32_t n) {
  // Each coefficient is rounded from its exact value, the exact term's where f carries one, so
  // that f afterwards is exactly the decimals the rounding gives, also where no Double changes.
  const exact::Function* e = exact::ExactOf(f);
  const auto decimals = static_cast<unsigned long>(std::max(n, 0));
  const exact::Terms gerundet{
      (e ? e->Numerator() : exact::Polynomial::Of(f.Zl)).Rounded(decimals),
      (e ? e->Denominator() : exact::Polynomial::Of(f.Nn)).Rounded(decimals)};
  PolynomT nenner;
  if (!gerundet.denominator.RoundInto(nenner) || nenner.grad() == -1) return false;
  const std::int32_t np = f.Np;
  if (gerundet.numerator.IsZero()) {
    // The zero function has no exact terms of its own.
    f.Zl.Nullen();
    f.Nn.KopieVon(nenner);
    f.exakt.reset();
  } else if (!exact::Assign(f, gerundet)) {
    return false;
  }
  f.Np = np;
  return true;
}

}  // namespace Koeffizientenrundung
