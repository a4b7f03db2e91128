#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "ScriptedServices.h"
#include "app/HauptF.h"

// A fresh main window per test, built with scripted services and not yet opened: Init has not
// run. Open() delivers the open event as the getter does.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HauptF& window() { return *window_; }
  template <class Kind>
  Kind& control(std::string_view name) {
    return window_->Control<Kind>(name);
  }

  void Open() { window_->Event_Open(); }
  // Shows the window and makes it active, for tests of focus and keys.
  void ShowActive();

  ScriptedServices services;
  std::unique_ptr<HauptF> window_;
};
