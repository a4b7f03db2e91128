#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "algebra/RationalT.h"
#include "algebra/ZeroSet.h"

namespace Auswertung {

// Columns 1..50 of the value table, one per critical point.
inline constexpr int kTabellenSpalten = 50;
// The table shows nine of them at a time.
inline constexpr int kSichtbareSpalten = 9;

using Werte = std::array<std::array<double, kTabellenSpalten + 1>, 4>;

// Columns 1..n of WertTab become x and f(x), f'(x), f''(x) at the first n critical points, n at
// most the 50 columns the table has; returns n.
int FuelleWertTab(const ZeroSet& KPMenge, const std::array<RationalT, 3>& RR, Werte& WertTab);

// A result as the window shows it: rounded to the result rounding, in the default number text;
// nothing where overflowing values gave no number.
std::string Ergebnistext(std::int32_t Stellenzahl, double wert);

}  // namespace Auswertung
