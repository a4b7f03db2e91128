#include "funclist/gui/Bestaetigungstexte.h"

namespace Funktionsliste {

Bestaetigungstexte TexteZuTyp(int typ) {
  switch (typ) {
    case 1:
      return {"Dennoch Speichern", "", "Speichern der aktuellen Funktionsliste",
              "Eine früher gespeicherte Liste mit gleichem Namen wird dadurch überschrieben"};
    case 2:
      return {"Laden", "", "Durch das Laden  wird die aktuelle Funktionen nicht überschrieben",
              " Alle Funktionen der aktuellen Liste bleiben erhalten"};
    case 3:
      return {"Liste löschen", "", "Alle Funktionen der aktuellen Liste werden gelöscht", ""};
    case 6:
      return {"Aktuelle Funktion löschen", "",
              "Die aktuelle Funktion dauerhaft aus der Funktionsliste entfenen", ""};
    case 7:
      return {"Beenden", "", "Beim Beenden gehen alle nicht gespeicherten Funktionen verloren", ""};
    default:
      return {};
  }
}

}  // namespace Funktionsliste
