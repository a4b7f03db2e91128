#include "app/QtServices.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <optional>

#include "app/BusyCursor.h"
#include "app/MessageBoxes.h"

namespace {

std::optional<std::filesystem::path> Chosen(const QString& file) {
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

}  // namespace

// The box of a long text takes its time to build, but the user reads it under the usual cursor.
void QtServices::MsgBox(const std::string& text) {
  std::optional<BusyCursor> building(std::in_place, text.size());
  ScrollingMessageBox box(text, QApplication::activeWindow());
  building.reset();
  box.exec();
}

PressedButton QtServices::ShowModal(const MessageDialog& dialog) {
  QtMessageDialog shown(dialog, QApplication::activeWindow());
  shown.Box().exec();
  return shown.Pressed();
}

// Every file the program saves is a plain text file, so the type needs no filter of its own.
std::optional<std::filesystem::path> QtServices::GetSaveFolderItem(const std::string&,
                                                                   const std::string& name) {
  return Chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                             QString::fromStdString(name)));
}

std::optional<std::filesystem::path> QtServices::GetOpenFolderItem(const std::string& filter) {
  return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                             QString::fromStdString(filter)));
}

void QtServices::Quit(int exitCode) {
  QCoreApplication::exit(exitCode);
}
