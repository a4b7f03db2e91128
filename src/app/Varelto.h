#pragma once

#include <QApplication>
#include <QTranslator>

class MainMenuBar;

// The application object: Fusion style, the window's fonts, Qt's own texts in German, and the
// one menu bar, which the main window shows.
class Varelto : public QApplication {
  Q_OBJECT

 public:
  Varelto(int& argc, char** argv);

  MainMenuBar& MenuBar() const { return *menuBar_; }

  // Opens the main window, runs the event loop and returns its exit code.
  int Run();

 private:
  QTranslator qtTexts_;
  MainMenuBar* menuBar_;
};
