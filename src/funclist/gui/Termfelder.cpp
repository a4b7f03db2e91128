#include "app/HauptF.h"
#include "exact/Function.h"

void HauptF::InTermfelderSchreiben(const RationalT& D) {
  EingF().SetText(D.Zl.Term2String());
  EingF2().SetText(D.Nn.Term2String());
  const bool exakt = D.exakt && D.exakt->Describes(D);
  termfelderExakt = {exakt ? D.exakt : nullptr, EingF().Text(), EingF2().Text()};
}
