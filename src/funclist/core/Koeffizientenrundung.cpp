#include "funclist/core/Koeffizientenrundung.h"

#include <algorithm>

#include "algebra/TextSemantics.h"

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
  RationalT gerundet;
  gerundet.KopieVon(f);
  gerundet.Zl.Runden(n);
  gerundet.Nn.Runden(n);
  if (gerundet.Nn.grad() == -1) return false;
  f.KopieVon(gerundet);
  return true;
}

}  // namespace Koeffizientenrundung
