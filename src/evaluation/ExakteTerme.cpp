#include "evaluation/ExakteTerme.h"

#include <utility>

#include "exact/Term.h"
#include "parser/ParseChain.h"

namespace Auswertung {

void ExakteTerme::Teilen(std::int64_t c) {
  if (c == 1 || !Bekannt()) return;
  for (auto* t : {&zaehler, &nenner})
    fmpq_poly_scalar_div_si(t->value().get(), t->value().get(), static_cast<slong>(c));
}

std::shared_ptr<const exact::Function> ExakteTerme::Fuer(const RationalT& f) const {
  if (!Bekannt()) return nullptr;
  return std::make_shared<const exact::Function>(*zaehler, *nenner, f);
}

std::optional<exact::Polynomial> ExaktGelesen(const std::string& text, const PolynomT& gelesen,
                                              const exact::Polynomial* geschrieben) {
  std::optional<exact::Polynomial> p = geschrieben ? *geschrieben : Parser::ExactTerm(text);
  if (p && !exact::Agrees(*p, gelesen)) p.reset();
  return p;
}

}  // namespace Auswertung
