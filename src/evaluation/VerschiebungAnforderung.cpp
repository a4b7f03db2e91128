#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "app/HauptF.h"
#include "evaluation/Verschiebung.h"

namespace {

bool VektorNichtNull(const HauptF& w) {
  return text::Val(w.xVF().Text()) != 0 || text::Val(w.yVF().Text()) != 0;
}

}  // namespace

void HauptF::xVF_TextChange(TextField&) {
  if (VektorNichtNull(*this)) VerschiebeB().setEnabled(true);
}

void HauptF::yVF_TextChange(TextField&) {
  if (VektorNichtNull(*this)) VerschiebeB().setEnabled(true);
}

void HauptF::VerschiebeB_Action(PushButton&) {
  std::string x = xVF().Text();
  std::string y = yVF().Text();
  Zahl::ZahlFilter(x);
  Zahl::ZahlFilter(y);
  xVF().SetText(x);
  yVF().SetText(y);
  if (VektorNichtNull(*this) && Funktionsauswertung()) Verschieben();
}

void HauptF::Verschieben() {
  const double a = text::Val(xVF().Text());
  const double b = text::Val(yVF().Text());
  if (!Auswertung::Verschiebe(RRR, a, b)) {
    MsgBox(Auswertung::kVerschiebungZuGross);
    return;
  }
  NeueGrenzen = true;
  IntegralF().SetText("");
  EingF().SetText(RRR.Zl.Term2String());
  if (a != 0) EingF2().SetText(RRR.Nn.Term2String());
  GrafikHalten = true;
  Funktionsauswertung();
}
