#include "app/HauptF.h"
#include "exact/Operations.h"

void HauptF::InTermfelderSchreiben(const RationalT& D) {
  const std::string nenner = D.Nennertext();
  TermfelderSchreiben(D.Zaehlertext(), &nenner, exact::ExactOf(D) ? D.exakt : nullptr);
}

void HauptF::TermfelderSchreiben(const std::string& zaehler, const std::string* nenner,
                                 std::shared_ptr<const exact::Function> exakt) {
  EingF().SetText(zaehler);
  if (nenner) EingF2().SetText(*nenner);
  termfelderExakt = {std::move(exakt), EingF().Text(), EingF2().Text()};
}
