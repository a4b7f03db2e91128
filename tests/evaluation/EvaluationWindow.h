#pragma once

#include <string>

#include "OpenedWindowTest.h"

// The opened window with helpers to read the fields and to choose the result rounding.
class EvaluationWindow : public OpenedWindowTest {
 protected:
  std::string Text(const char* field) { return control<QLineEdit>(field).text().toStdString(); }
  bool Sichtbar(const char* name) { return !control<QWidget>(name).isHidden(); }
  bool Aktiv(const char* name) { return control<QWidget>(name).isEnabled(); }
  void WaehleRundung(const std::string& item) { window().StellenWahlB().SetText(item); }
};
