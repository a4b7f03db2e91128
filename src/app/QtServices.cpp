#include "app/QtServices.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

#include "app/MessageBoxes.h"

namespace {

std::optional<std::filesystem::path> Chosen(const QString& file) {
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

}  // namespace

void QtServices::MsgBox(const std::string& text) {
  ScrollingMessageBox box(text, QApplication::activeWindow());
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
