#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "app/HauptF.h"
#include "evaluation/Verschiebung.h"
#include "exact/Operations.h"

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
  // The vector's texts are finite decimals, so f shifted by them is exact where f is.
  const exact::Function* f = exact::ExactOf(RRR);
  const bool exakt =
      f && exact::Assign(RRR, exact::Shifted(*f, exact::ValueOf(xVF().Text()),
                                             exact::ValueOf(yVF().Text())));
  if (!exakt && !Auswertung::Verschiebe(RRR, a, b)) {
    MsgBox(Auswertung::kVerschiebungZuGross);
    return;
  }
  NeueGrenzen = true;
  IntegralF().SetText("");
  const std::string nenner = RRR.Nennertext();
  TermfelderSchreiben(RRR.Zaehlertext(), a != 0 ? &nenner : nullptr,
                      exakt ? RRR.exakt : nullptr);
  GrafikHalten = true;
  Funktionsauswertung();
}
