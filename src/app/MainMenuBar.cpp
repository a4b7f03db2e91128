#include "app/MainMenuBar.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace {

QPointer<MainMenuBar>& SingleInstance() {
  static QPointer<MainMenuBar> instance;
  return instance;
}

// The text field that an Edit item works on: the focused field, or the text of a focused
// combo box.
QLineEdit* FocusedField() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* field = qobject_cast<QLineEdit*>(focus)) return field;
  if (auto* box = qobject_cast<QComboBox*>(focus)) return box->lineEdit();
  return nullptr;
}

bool CanEdit(const QLineEdit* field, const QString& item) {
  if (field == nullptr) return false;
  const bool writable = !field->isReadOnly();
  if (item == QLatin1String("EditUndo")) return writable && field->isUndoAvailable();
  if (item == QLatin1String("EditCut") || item == QLatin1String("EditClear"))
    return writable && field->hasSelectedText();
  if (item == QLatin1String("EditCopy")) return field->hasSelectedText();
  if (item == QLatin1String("EditPaste"))
    return writable && !QApplication::clipboard()->text().isEmpty();
  return !field->text().isEmpty();
}

}  // namespace

MainMenuBar& MainMenuBar::Instanz() {
  QPointer<MainMenuBar>& instance = SingleInstance();
  if (instance.isNull()) instance = new MainMenuBar;
  return *instance;
}

void MainMenuBar::Freigeben() {
  delete SingleInstance().data();
}

MainMenuBar::MainMenuBar() {
  BuildFileMenu();
  BuildEditMenu();
}

void MainMenuBar::BuildFileMenu() {
  QMenu* file = addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("FileMenu"));
  QAction* quit = file->addAction(QStringLiteral("&Quit"));
  quit->setObjectName(QStringLiteral("FileQuit"));
  quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  quit->setMenuRole(QAction::QuitRole);
  connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
}

void MainMenuBar::BuildEditMenu() {
  QMenu* edit = addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("EditMenu"));
  AddItem(*edit, "EditUndo", "&Undo", "Ctrl+Z", [](QLineEdit& f) { f.undo(); });
  edit->addSeparator()->setObjectName(QStringLiteral("EditSeparator1"));
  AddItem(*edit, "EditCut", "Cu&t", "Ctrl+X", [](QLineEdit& f) { f.cut(); });
  AddItem(*edit, "EditCopy", "&Copy", "Ctrl+C", [](QLineEdit& f) { f.copy(); });
  AddItem(*edit, "EditPaste", "&Paste", "Ctrl+V", [](QLineEdit& f) { f.paste(); });
  AddItem(*edit, "EditClear", "&Delete", "", [](QLineEdit& f) { f.del(); });
  edit->addSeparator()->setObjectName(QStringLiteral("EditSeparator2"));
  AddItem(*edit, "EditSelectAll", "Select &All", "Ctrl+A", [](QLineEdit& f) { f.selectAll(); });
  connect(edit, &QMenu::aboutToShow, this, [this, edit] { AutoEnable(*edit); });
  // The shortcuts must keep working while the menu is closed, whatever it last showed.
  connect(edit, &QMenu::aboutToHide, this, [edit] {
    for (QAction* item : edit->actions()) item->setEnabled(true);
  });
}

QAction* MainMenuBar::AddItem(QMenu& menu, const char* name, const char* text, const char* shortcut,
                              void (*edit)(QLineEdit&)) {
  QAction* item = menu.addAction(QString::fromLatin1(text));
  item->setObjectName(QString::fromLatin1(name));
  item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  connect(item, &QAction::triggered, this, [item, edit] {
    QLineEdit* field = FocusedField();
    if (CanEdit(field, item->objectName())) edit(*field);
  });
  return item;
}

void MainMenuBar::AutoEnable(QMenu& edit) {
  const QLineEdit* field = FocusedField();
  for (QAction* item : edit.actions())
    if (!item->isSeparator()) item->setEnabled(CanEdit(field, item->objectName()));
}
