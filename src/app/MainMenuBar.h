#pragma once

#include <QMenuBar>

class QLineEdit;
class QMenu;

// The one menu bar of the program, shared by the application and the main window: File with
// Quit, Edit with the standard editing of the focused field. Its texts are English.
class MainMenuBar : public QMenuBar {
  Q_OBJECT

 public:
  // Creates the menu bar on the first call and returns the same one afterwards.
  static MainMenuBar& Instanz();
  // Deletes the single instance at the end of the program.
  static void Freigeben();

 private:
  MainMenuBar();
  void BuildFileMenu();
  void BuildEditMenu();
  QAction* AddItem(QMenu& menu, const char* name, const char* text, const char* shortcut,
                   void (*edit)(QLineEdit&));
  // Enables each Edit item as far as the focused field allows it.
  void AutoEnable(QMenu& edit);
};
