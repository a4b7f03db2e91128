#include "app/BusyCursor.h"
#include "app/HauptF.h"
#include "funclist/core/Funktionsliste.h"
#include "funclist/core/Listenbefehle.h"

namespace {

const std::string kAktionWaehlen = "Aktion wählen";

}  // namespace

void HauptF::Ringkontrolle() {
  std::string text;
  {
    const BusyCursor busy(Funktionsliste::Dateigroesse(RListe));
    text = Funktionsliste::Anzeigetext(RListe);
  }
  MsgBox(text);
}

void HauptF::RNextB1_Action(PushButton&) {
  PZeiger = Funktionsliste::NaechsterZeiger(RListe, PZeiger);
  const std::string& eintrag = RListe[static_cast<std::size_t>(PZeiger)];
  const BusyCursor busy(eintrag.size(), BusyCursor::kLongEntry);
  AnzeigeF().SetText(eintrag);
}

// Setting the box back to "Aktion wählen" raises this handler once more, nested; that pass
// matches no item and only moves the focus again.
void HauptF::RinglisteB_TextChanged(ComboBox& box) {
  const std::string t = box.Text();
  if (t == "    Anzeigen") {
    Ringkontrolle();
    box.SetText(kAktionWaehlen);
  } else if (t == "    Speichern") {
    const int antwort = ListBotschaft(1);
    box.SetText(kAktionWaehlen);
    if (antwort == 1) RSpeichern();
  } else if (t == "    Laden") {
    const int antwort = ListBotschaft(2);
    box.SetText(kAktionWaehlen);
    if (antwort == 1) RLaden();
  } else if (t == "    Entleeren") {
    if (ListBotschaft(3) == 1) {
      RListe.resize(1);
      PZeiger = 0;
    }
    box.SetText(kAktionWaehlen);
  }
  EingF().setFocus();
}

// f always ends as the zero function; the dialog only decides whether f's text leaves the list.
// After a refused term f is not what the fields show, so nothing is asked and nothing removed.
void HauptF::gfB1_Action(PushButton&) {
  if (Funktionsauswertung()) {
    const std::string s = RRR.Term2string();
    if (s == Funktionsliste::kNullfunktion) {
      MsgBox(
          "Die Nullfunktion ist dauerhafter Bestandteil der Funktionsliste und nicht zu entfernen");
    } else if (ListBotschaft(6) == 1) {
      Funktionsliste::Entfernen(RListe, s);
    }
  }
  EingF().SetText("0");
  EingF2().SetText("1");
  Funktionsauswertung();
}
