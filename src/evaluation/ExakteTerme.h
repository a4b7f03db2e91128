#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "algebra/PolynomT.h"
#include "algebra/RationalT.h"
#include "exact/Function.h"
#include "exact/Polynomial.h"

namespace Auswertung {

// The numerator and denominator of f as exact polynomials, kept in step with f's Doubles through
// the reductions of the run; unknown where a term could not be read exactly.
struct ExakteTerme {
  std::optional<exact::Polynomial> zaehler;
  std::optional<exact::Polynomial> nenner;

  bool Bekannt() const { return zaehler && nenner; }
  void Vergessen() {
    zaehler.reset();
    nenner.reset();
  }
  // Each coefficient of f that is not 0 becomes the nearest Double of the known exact one. Where
  // the parser's term texts of 14 decimals left 0, 0 stays, so the term text shows no "0x".
  void Runden(RationalT& f) const;
  // Both terms divided by the whole number c, as a content reduction of f did.
  void Teilen(std::int64_t c);
  // The exact function that f's Doubles now stand for, or nothing where they no longer agree.
  std::shared_ptr<const exact::Function> Fuer(const RationalT& f) const;
};

// The exact polynomial of a term text whose Doubles the parser read as gelesen: geschrieben when
// the program wrote the text from it (the term text keeps 14 decimals, the exact term all), else
// the text read exactly; nothing unless it agrees with gelesen. zuLang tells whether the text
// was refused for a number, product or power too long for the exact reader.
std::optional<exact::Polynomial> ExaktGelesen(const std::string& text, const PolynomT& gelesen,
                                              const exact::Polynomial* geschrieben,
                                              bool* zuLang = nullptr);

}  // namespace Auswertung
