#include <algorithm>

#include "algebra/TextSemantics.h"
#include "app/HauptF.h"
#include "evaluation/Wertetabelle.h"

namespace {

// The table field of row r (1 x, 2 f, 3 f', 4 f'') and visible column c (1..9).
std::string Tabellenfeld(int r, int c) {
  return (r == 1 ? "x" : "y" + text::Str(r - 1)) + text::Str(c) + "F";
}

}  // namespace

void HauptF::TabFill() {
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= Auswertung::kSichtbareSpalten; ++c)
      Control<TextField>(Tabellenfeld(r, c)).SetText(StringTab[r][c]);
}

void HauptF::TabLeer() {
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 10; ++c) StringTab[r][c].clear();
  TabFill();
}

void HauptF::AlleWerteBerechnen() {
  const int n = Auswertung::FuelleWertTab(KPMenge, RR, WertTab);
  links = 1;
  rechts = std::min(Auswertung::kSichtbareSpalten, n);
  KPAnzahl = n;
  WerteEintragen();
}

void HauptF::WerteEintragen() {
  for (int r = 1; r <= 4; ++r)
    for (int s = links; s <= rechts; ++s)
      StringTab[r][s - links + 1] = Auswertung::Ergebnistext(Stellenzahl, WertTab[r - 1][s]);
  TabFill();
  LPfeilB().setEnabled(links > 1);
  RPfeilB().setEnabled(rechts < KPAnzahl);

  if (xXF().Text().empty()) return;
  const double x = text::Val(xXF().Text());
  xXF().SetText(text::Str(x));
  y1XF().SetText(Auswertung::Ergebnistext(Stellenzahl, RR[0].FWert(x)));
  y2XF().SetText(Auswertung::Ergebnistext(Stellenzahl, RR[1].FWert(x)));
  y3XF().SetText(Auswertung::Ergebnistext(Stellenzahl, RR[2].FWert(x)));
}

void HauptF::RPfeilB_Action(PushButton&) {
  if (rechts >= KPAnzahl) return;
  ++links;
  ++rechts;
  WerteEintragen();
}

void HauptF::LPfeilB_Action(PushButton&) {
  if (links <= 1) return;
  --links;
  --rechts;
  WerteEintragen();
}

void HauptF::xXF_TextChange(TextField&) {
  ZusatzspalteLeeren();
}

void HauptF::ZusatzspalteLeeren() {
  y1XF().SetText("");
  y2XF().SetText("");
  y3XF().SetText("");
}
