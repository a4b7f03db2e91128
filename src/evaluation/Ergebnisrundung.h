#pragma once

#include <cstdint>
#include <string_view>

namespace Auswertung {

// The result rounding that a text of the result-rounding box asks for: its leading number,
// limited to the 0..7 decimals that the display texts can write.
std::int32_t StellenzahlAus(std::string_view text);

}  // namespace Auswertung
