#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "algebra/RationalT.h"

// Rounding the coefficients of f to a number of decimals chosen in the coefficient-rounding box.
namespace Koeffizientenrundung {

// A typed count is kept within what a Double's decimals can carry.
inline constexpr std::int32_t kHoechsteStellenzahl = 15;

// The decimals a box text asks for: none when it contains "nicht" in any letter case (the item
// "Nichts Ändern"), otherwise its leading number, 0 without one, clamped to 0..15.
std::optional<std::int32_t> Stellen(std::string_view boxText);

// The warning dialog's message for n decimals; empty for counts that no item offers.
std::string Botschaft(std::int32_t n);

// Rounds numerator and denominator of f to n decimals. Refused (false, f unchanged) when the
// denominator would become the zero polynomial.
bool Runden(RationalT& f, std::int32_t n);

}  // namespace Koeffizientenrundung
