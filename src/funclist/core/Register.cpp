#include "funclist/core/Register.h"

#include "algebra/TextSemantics.h"
#include "exact/Operations.h"
#include "exact/Term.h"
#include "parser/ParseChain.h"

namespace Register {

namespace {
constexpr int kGroessterTeilproduktgrad = PolynomT::kMaxGrad - 1;
}

int Gradsumme(const RationalT& f, const RationalT& g) {
  return f.Zl.grad() + g.Zl.grad() + f.Nn.grad() + g.Nn.grad();
}

bool ProduktZuGross(const RationalT& f, const RationalT& g) {
  return Gradsumme(f, g) > 21;
}

bool DifferenzZuGross(const RationalT& f, const RationalT& g) {
  return Gradsumme(f, g) > 42;
}

bool DifferenzTeilprodukteZuGross(const RationalT& g, const RationalT& f) {
  const auto zuGross = [](const PolynomT& a, const PolynomT& b) {
    return a.grad() + b.grad() > kGroessterTeilproduktgrad;
  };
  return zuGross(g.Zl, f.Nn) || zuGross(g.Nn, f.Zl) || zuGross(g.Nn, f.Nn);
}

bool AbleitungZuGross(const RationalT& f) {
  return f.Zl.grad() + f.Nn.grad() >= 16;
}

Haelften AmBruchstrichTeilen(std::string_view t) {
  const std::size_t k = text::InStr(t, "/");
  if (k == 0) return {std::string(t), "1"};
  return {text::Left(t, k - 1), text::Mid(t, k + 1)};
}

bool HLesen(std::string_view h, RationalT& g) {
  const Haelften teile = AmBruchstrichTeilen(h);
  RationalT gelesen;
  bool ok = false;
  Parser::ParseChain(teile.links, gelesen.Zl, ok);
  if (!ok) return false;
  Parser::ParseChain(teile.rechts, gelesen.Nn, ok);
  if (!ok || gelesen.Nn.grad() == -1) return false;
  gelesen.Np = gelesen.Zl.grad() == -1 ? 0 : 1;
  // The text the program wrote holds every decimal of an exact term, so g is that term again.
  // Read on Doubles alone, a term too long for the exact reader would split multiple zeros.
  bool zaehlerZuLang = false;
  bool nennerZuLang = false;
  const std::optional<exact::Polynomial> zaehler = Parser::ExactTerm(teile.links, &zaehlerZuLang);
  const std::optional<exact::Polynomial> nenner = Parser::ExactTerm(teile.rechts, &nennerZuLang);
  if (zaehlerZuLang || nennerZuLang) return false;
  if (zaehler && nenner && exact::Agrees(*zaehler, gelesen.Zl) && exact::Agrees(*nenner, gelesen.Nn))
    exact::Assign(gelesen, {*zaehler, *nenner});
  g.KopieVon(gelesen);
  return true;
}

std::string NennerText(const std::string& nenner, std::int32_t Np) {
  return Np > 1 ? "(" + nenner + ")^" + text::Str(Np) : nenner;
}

}  // namespace Register
