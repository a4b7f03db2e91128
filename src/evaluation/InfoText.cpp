#include "evaluation/InfoText.h"

#include "algebra/TextSemantics.h"

namespace Auswertung {

namespace {

// The date of this version's description.
constexpr const char* kStand = "10.12.2026";

}  // namespace

std::string InfoText() {
  const std::string z = text::Chr(13) + text::Chr(10);
  const std::string zz = z + z;
  return std::string("Varelto ") + VARELTO_VERSION + " " + zz +
         "- untersucht gebrochen-rationale Funktionen auf kritische Stellen. " +
         "Mit kritischen Stellen sind dabei die Nullstellen der Funktion und ihrer ersten beiden "
         "Ableitungen gemeint. Das Programm .." +
         zz +
         "- fasst den eingegebenen - wenn möglich gekürzten - Funktionsterm zur Normalform "
         "zusamman," +
         zz +
         "- gibt die kritischen Stellen und die Funktionswerte an diesen Stellen und ggf. an "
         "einer weiteren gewünschten Stelle an," +
         zz +
         "- skizziert grob den Verlauf des Graphen und zeigt beim Anklicken von Punkten deren "
         "Koordinaten an, " +
         "wobei die Skizze mit der Maus gezoomt und verschoben werden kann (durch Klick auf Start "
         "und dann auf Ziel)," +
         zz + "- bestimmt optional zu einem anzugebenden Intervall das Integral der Funktion," +
         zz + "- ermittelt die Faktorzerlegung (mit Linearfaktoren) der Funktion im Reellen," + zz +
         "- gibt den neuen Funktionsterm nach Verschiebung um einen gewünschten Vektor (x;y) an," +
         zz + "- ermittelt ggf. die Gleichung der schiefen Asymptote." + zz +
         "Alle während einer Sitzung bearbeiteten Funktionen werden in einer Liste gespeichert "
         "und bleiben während der Laufzeit des Programms verfügbar." +
         zz + kStand + zz + z +
         "Bitte schicken Sie Kritik, Fehlermeldungen und Anregungen an die Entwickler von "
         "Varelto.";
}

}  // namespace Auswertung
