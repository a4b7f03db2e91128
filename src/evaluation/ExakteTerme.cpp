#include "evaluation/ExakteTerme.h"

#include <algorithm>
#include <utility>

#include "exact/Term.h"
#include "parser/ParseChain.h"

namespace Auswertung {

void ExakteTerme::Teilen(std::int64_t c) {
  if (c == 1 || !Bekannt()) return;
  for (auto* t : {&zaehler, &nenner})
    fmpq_poly_scalar_div_si(t->value().get(), t->value().get(), static_cast<slong>(c));
}

namespace {

void AufExakte(PolynomT& p, const exact::Polynomial& e) {
  for (int i = 0; i <= std::min(e.Degree(), PolynomT::kMaxGrad); ++i)
    if (p.Koeff[i] != 0) p.Koeff[i] = e.Coefficient(i).ToDouble();
}

}  // namespace

void ExakteTerme::Runden(RationalT& f) const {
  if (zaehler) AufExakte(f.Zl, *zaehler);
  if (nenner) AufExakte(f.Nn, *nenner);
}

std::shared_ptr<const exact::Function> ExakteTerme::Fuer(const RationalT& f) const {
  if (!Bekannt() || !exact::Agrees(*zaehler, f.Zl) || !exact::Agrees(*nenner, f.Nn)) return nullptr;
  return std::make_shared<const exact::Function>(*zaehler, *nenner, f);
}

std::optional<exact::Polynomial> ExaktGelesen(const std::string& text, const PolynomT& gelesen,
                                              const exact::Polynomial* geschrieben, bool* zuLang) {
  if (zuLang) *zuLang = false;
  std::optional<exact::Polynomial> p = geschrieben ? *geschrieben : Parser::ExactTerm(text, zuLang);
  if (p && !exact::Agrees(*p, gelesen)) p.reset();
  return p;
}

}  // namespace Auswertung
