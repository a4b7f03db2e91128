#include "app/HauptF.h"

void HauptF::Event_Open() {
  Init();
  // Tab never stops in the numerator field, so Qt would start on "Beenden", where a space bar
  // press asks to quit; the user starts by typing a term.
  EingF().setFocus();
}

// Poly, RR, RRR and Pg are objects of the core context and so exist, as new zero objects, from
// construction on; of them only g needs a value of its own, 0 / 1.
void HauptF::Init() {
  FuelleBinKoeff();
  Pg.Nullen();
  PPP = std::make_unique<PolynomT>();
  RListe[0] = "0 / 1  ";
  Asymptote = std::make_unique<PolynomT>();
  NeueFunktion = true;
  Funktionsauswertung();
}
