#include <gtest/gtest.h>

#include "algebra/TextSemantics.h"
#include "evaluation/Ergebnisrundung.h"
#include "evaluation/InfoText.h"
#include "funclist/gui/Bestaetigungstexte.h"

namespace {

TEST(ErgebnisrundungTest, LeadingNumberLimitedToZeroToSeven) {
  struct Case {
    const char* why;
    const char* text;
    int stellen;
  };
  const Case cases[] = {
      {"first item", "    1 Dezimale", 1},
      {"last numbered item", "    6 Dezimalen", 6},
      {"whole numbers", "   ganze Zahlen", 0},
      {"typed 7 is the most the texts can write", "7", 7},
      {"typed above is limited", "12", 7},
      {"typed negative is limited", "-3", 0},
      {"typed nothing", "", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Auswertung::StellenzahlAus(c.text), c.stellen) << c.why;
}

TEST(BestaetigungstexteTest, FiveTypes) {
  struct Case {
    int typ;
    Funktionsliste::Bestaetigungstexte texte;
  };
  const Case cases[] = {
      {1,
       {"Dennoch Speichern", "", "Speichern der aktuellen Funktionsliste",
        "Eine früher gespeicherte Liste mit gleichem Namen wird dadurch überschrieben"}},
      {2,
       {"Laden", "", "Durch das Laden  wird die aktuelle Funktionen nicht überschrieben",
        " Alle Funktionen der aktuellen Liste bleiben erhalten"}},
      {3, {"Liste löschen", "", "Alle Funktionen der aktuellen Liste werden gelöscht", ""}},
      {6,
       {"Aktuelle Funktion löschen", "",
        "Die aktuelle Funktion dauerhaft aus der Funktionsliste entfenen", ""}},
      {7, {"Beenden", "", "Beim Beenden gehen alle nicht gespeicherten Funktionen verloren", ""}},
  };
  for (const auto& c : cases) {
    const auto t = Funktionsliste::TexteZuTyp(c.typ);
    EXPECT_EQ(t.aktion, c.texte.aktion) << c.typ;
    EXPECT_EQ(t.alternativ, "") << c.typ;
    EXPECT_EQ(t.botschaft, c.texte.botschaft) << c.typ;
    EXPECT_EQ(t.erklaerung, c.texte.erklaerung) << c.typ;
  }
}

TEST(InfoTextTest, FixedPiecesInOrder) {
  const std::string info = Auswertung::InfoText();
  const std::string z = "\r\n";
  const std::string teile[] = {
      std::string("Varelto ") + VARELTO_VERSION + " " + z + z +
          "- untersucht gebrochen-rationale Funktionen auf kritische Stellen. Mit kritischen "
          "Stellen sind dabei die Nullstellen der Funktion und ihrer ersten beiden Ableitungen "
          "gemeint. Das Programm .." +
          z + z,
      "- fasst den eingegebenen - wenn möglich gekürzten - Funktionsterm zur Normalform "
      "zusamman," +
          z + z,
      "- gibt die kritischen Stellen und die Funktionswerte an diesen Stellen und ggf. an einer "
      "weiteren gewünschten Stelle an," +
          z + z,
      "- skizziert grob den Verlauf des Graphen und zeigt beim Anklicken von Punkten deren "
      "Koordinaten an, wobei die Skizze mit der Maus gezoomt und verschoben werden kann (durch "
      "Klick auf Start und dann auf Ziel)," +
          z + z,
      "- bestimmt optional zu einem anzugebenden Intervall das Integral der Funktion," + z + z,
      "- ermittelt die Faktorzerlegung (mit Linearfaktoren) der Funktion im Reellen," + z + z,
      "- gibt den neuen Funktionsterm nach Verschiebung um einen gewünschten Vektor (x;y) an," + z +
          z,
      "- ermittelt ggf. die Gleichung der schiefen Asymptote." + z + z,
      "Alle während einer Sitzung bearbeiteten Funktionen werden in einer Liste gespeichert und "
      "bleiben während der Laufzeit des Programms verfügbar." +
          z + z,
  };
  std::size_t at = 0;
  for (const auto& p : teile) {
    EXPECT_EQ(info.compare(at, p.size(), p), 0) << "at " << at << ": " << p;
    at += p.size();
  }
  const std::string rest = info.substr(at);
  const auto dateEnd = rest.find(z);
  ASSERT_NE(dateEnd, std::string::npos);
  EXPECT_EQ(rest.substr(0, dateEnd), "10.12.2026") << "the date of this version";
  EXPECT_EQ(rest.compare(dateEnd, 6, z + z + z), 0) << "three line ends before the last line";
  const std::string last = rest.substr(dateEnd + 6);
  EXPECT_NE(text::InStr(last, "Kritik"), 0u);
  EXPECT_EQ(last.find_first_of("\r\n@"), std::string::npos) << "one line, no address";
  EXPECT_EQ(text::InStr(info, "http"), 0u);
  EXPECT_EQ(text::InStr(info, "www"), 0u);
}

}  // namespace
