#include "evaluation/Ergebnisrundung.h"

#include <algorithm>

#include "algebra/TextSemantics.h"

namespace Auswertung {

std::int32_t StellenzahlAus(std::string_view text) {
  return std::clamp(text::ToInt32(text::Val(text)), 0, 7);
}

}  // namespace Auswertung
