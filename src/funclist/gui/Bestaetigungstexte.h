#pragma once

#include <string>

namespace Funktionsliste {

// The four texts of a confirmation dialog; an empty caption hides its button.
struct Bestaetigungstexte {
  std::string aktion;
  std::string alternativ;
  std::string botschaft;
  std::string erklaerung;
};

// The texts of confirmation type 1 (save the list), 2 (load a list), 3 (empty the list),
// 6 (remove f from the list) or 7 (quit). Any other type gives empty texts.
Bestaetigungstexte TexteZuTyp(int typ);

}  // namespace Funktionsliste
