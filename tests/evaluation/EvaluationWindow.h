#pragma once

#include <string>

#include "WindowTest.h"

// An opened window (Init and its first evaluation run done) with helpers to type and press.
class EvaluationWindow : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
  }

  // Types both terms and presses "OK".
  void Analysiere(const std::string& zaehler, const std::string& nenner) {
    window().EingF().SetText(zaehler);
    window().EingF2().SetText(nenner);
    Druecke("PushButton1");
  }
  void Druecke(const char* button) { control<PushButton>(button).click(); }
  std::string Text(const char* field) { return control<QLineEdit>(field).text().toStdString(); }
  bool Sichtbar(const char* name) { return !control<QWidget>(name).isHidden(); }
  bool Aktiv(const char* name) { return control<QWidget>(name).isEnabled(); }
  void WaehleRundung(const std::string& item) { window().StellenWahlB().SetText(item); }
};
