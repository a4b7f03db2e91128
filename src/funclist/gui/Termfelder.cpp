#include "funclist/gui/Termfelder.h"

#include "app/HauptF.h"

namespace Funktionsliste {

void InTermfelderSchreiben(HauptF& fenster, const RationalT& D) {
  fenster.EingF().SetText(D.Zl.Term2String());
  fenster.EingF2().SetText(D.Nn.Term2String());
}

}  // namespace Funktionsliste
