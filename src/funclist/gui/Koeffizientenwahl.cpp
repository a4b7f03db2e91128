#include "app/HauptF.h"
#include "funclist/core/Koeffizientenrundung.h"

// Setting the box back to "Nichts Ändern" raises this handler again, nested; that pass finds
// "nicht" and ends at once, so no second dialog appears.
void HauptF::KoeffRundenWahlB_TextChanged(ComboBox& box) {
  const auto n = Koeffizientenrundung::Stellen(box.Text());
  if (!n) return;
  MessageDialog warnung;
  warnung.Icon = 1;
  warnung.ActionButton = {"Koeffizienten der aktuellen Funktion Runden", true};
  warnung.CancelButton.Visible = false;
  warnung.AlternateActionButton = {" Nichts Ändern", true};
  warnung.Message = Koeffizientenrundung::Botschaft(*n);
  warnung.Explanation = "Warnung: Durch Runden der Koeffizienten wird die Funktion verändert!";
  if (Services().ShowModal(warnung) == PressedButton::ActionButton) {
    if (Koeffizientenrundung::Runden(RRR, *n)) {
      InTermfelderSchreiben(RRR);
      Funktionsauswertung();
    } else {
      MsgBox(
          "Durch dieses Runden würde der Nenner zum Nullpolynom; die Funktion bleibt "
          "unverändert.");
    }
  }
  box.SetText("Nichts Ändern");
}
