#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "app/HauptF.h"
#include "evaluation/Verschiebung.h"
#include "exact/Operations.h"
#include "exact/Term.h"

#include <optional>

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
  std::optional<exact::Terms> verschoben;
  if (f && !exact::HasOverlongNumber(xVF().Text()) && !exact::HasOverlongNumber(yVF().Text()))
    verschoben = exact::Shifted(*f, exact::ValueOf(xVF().Text()), exact::ValueOf(yVF().Text()));
  // Its texts would be read back as another function.
  if (f && !(verschoben && exact::Readable(*verschoben))) {
    MsgBox(exact::kZuLangeKoeffizienten);
    return;
  }
  const bool exakt = verschoben && exact::Assign(RRR, *verschoben);
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
