#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include "WindowTest.h"

namespace {

using ScreenshotTest = WindowTest;

QImage Render(HauptF& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return {};
  return window.grab().toImage();
}

void Save(const QImage& image, const QString& path) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  EXPECT_TRUE(image.save(path)) << path.toStdString();
}

// Renders the whole window, menu bar included, as it looks before its open event, for a look at
// what is clipped or misplaced.
TEST_F(ScreenshotTest, WritesTheWindowAsPng) {
  const QImage image = Render(window());
  EXPECT_EQ(image.width(), 1012);
  EXPECT_GT(image.height(), 780) << "the menu bar lies above the content area";
  Save(image, QStringLiteral(VARELTO_SCREENSHOT_PATH));
}

// The same with the controls shown that start hidden (the asymptote caption, the pointer
// readout, "Kürzreport"), which overlap their neighbours once they appear.
TEST_F(ScreenshotTest, WritesTheWindowWithEveryControlShown) {
  for (QWidget* c : window().Controls()) c->show();
  window().xKoF().SetText("-12.34");
  window().yKoF().SetText("56.78");
  const QString path = QFileInfo(QStringLiteral(VARELTO_SCREENSHOT_PATH)).path();
  Save(Render(window()), path + QStringLiteral("/window-all-shown.png"));
}

}  // namespace
