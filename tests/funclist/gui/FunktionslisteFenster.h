#pragma once

#include <string>
#include <vector>

#include "OpenedWindowTest.h"
#include "TestFunctions.h"
#include "funclist/core/Funktionsliste.h"

// The opened window with helpers to choose from the boxes and to read the term fields.
class FunktionslisteFenster : public OpenedWindowTest {
 protected:
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

// c x^n
inline std::vector<double> Monom(int n, double c = 1) {
  std::vector<double> k(static_cast<std::size_t>(n) + 1, 0.0);
  k.back() = c;
  return k;
}
