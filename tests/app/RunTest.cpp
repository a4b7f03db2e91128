#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "app/HauptF.h"
#include "app/Varelto.h"

namespace {

// The whole start-up as main runs it. Alone in its executable: it ends with the menu bar
// released, as the program does.
TEST(RunTest, OpensTheWindowThroughTheGetterAndReturnsTheLoopsExitCode) {
  QPointer<HauptF> opened;
  bool initHadRun = false;
  bool visible = false;
  QTimer::singleShot(0, [&] {
    opened = &HauptF::Instanz();
    initHadRun = opened->PPP != nullptr;
    visible = opened->isVisible();
    QCoreApplication::exit(3);
  });
  EXPECT_EQ(static_cast<Varelto*>(QApplication::instance())->Run(), 3);
  EXPECT_TRUE(initHadRun) << "the getter runs the open event before the loop";
  EXPECT_TRUE(visible);
  EXPECT_TRUE(opened.isNull()) << "the window is gone after the loop";
  EXPECT_EQ(dynamic_cast<HauptF*>(&CoreContext::Instanz()), nullptr);
}

}  // namespace
