#include "app/HauptF.h"

void HauptF::InTermfelderSchreiben(const RationalT& D) {
  EingF().SetText(D.Zl.Term2String());
  EingF2().SetText(D.Nn.Term2String());
}
