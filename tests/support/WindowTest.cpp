#include "WindowTest.h"

#include <QTest>

void WindowTest::SetUp() {
  window_ = std::make_unique<HauptF>(services);
}

void WindowTest::TearDown() {
  window_.reset();
  services.VerifyAllAsked();
}

void WindowTest::ShowActive() {
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}
