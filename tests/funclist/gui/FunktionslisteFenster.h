#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "WindowTest.h"
#include "funclist/core/Funktionsliste.h"

// The opened window: Init has run, with its first evaluation run of the start function.
class FunktionslisteFenster : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
  }

  // Types f into the term fields and presses "OK".
  void Analysiere(const std::string& zaehler, const std::string& nenner) {
    window().EingF().SetText(zaehler);
    window().EingF2().SetText(nenner);
    Druecke("PushButton1");
  }
  void Druecke(const char* button) { control<PushButton>(button).click(); }
  // Chooses the item of this text as the user does, or types the text when no item has it.
  void Waehle(const char* box, const std::string& text) {
    ComboBox& b = control<ComboBox>(box);
    const int item = b.findText(QString::fromStdString(text));
    if (item < 0) return b.SetText(text);
    b.setCurrentIndex(item);
    emit b.activated(item);
  }

  std::string Termfelder() { return window().EingF().Text() + " | " + window().EingF2().Text(); }
};

// Coefficients in ascending powers.
inline void Setze(RationalT& r, const std::vector<double>& zaehler,
                  const std::vector<double>& nenner, std::int32_t np = 1) {
  r.Zl.Nullen();
  r.Nn.Nullen();
  std::copy(zaehler.begin(), zaehler.end(), r.Zl.Koeff.begin());
  std::copy(nenner.begin(), nenner.end(), r.Nn.Koeff.begin());
  r.Np = np;
}

// c x^n
inline std::vector<double> Monom(int n, double c = 1) {
  std::vector<double> k(static_cast<std::size_t>(n) + 1, 0.0);
  k.back() = c;
  return k;
}
