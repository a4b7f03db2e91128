#include <gtest/gtest.h>

#include "app/Varelto.h"

// GUI tests run with the program's own application object (style, fonts, German Qt texts, the
// menu bar), never on the developer's screen.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Varelto app(argc, argv);
  return RUN_ALL_TESTS();
}
