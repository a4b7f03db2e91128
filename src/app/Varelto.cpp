#include "app/Varelto.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QStyleFactory>

#include "app/Fonts.h"
#include "app/HauptF.h"
#include "app/MainMenuBar.h"

Varelto::Varelto(int& argc, char** argv) : QApplication(argc, argv) {
  // One look everywhere, whatever the desktop's theme.
  setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  setPalette(style()->standardPalette());
  setFont(SystemFont());
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  if (qtTexts_.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(&qtTexts_);
  menuBar_ = &MainMenuBar::Instanz();
}

int Varelto::Run() {
  const QPointer<HauptF> window = &HauptF::Instanz();
  const int exitCode = exec();
  delete window.data();
  MainMenuBar::Freigeben();
  return exitCode;
}
