#pragma once

#include <string>

namespace Auswertung {

// The text that "Info" shows: what the program does, the version and its date.
std::string InfoText();

}  // namespace Auswertung
