#pragma once

#include <string>

#include "WindowTest.h"

// The opened window: Init has run, with its first evaluation run of the start function.
class OpenedWindowTest : public WindowTest {
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
};
