#include "app/QtServices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QUrl>
#include <optional>

#include "app/BusyCursor.h"
#include "app/MessageBoxes.h"

namespace {

std::optional<std::filesystem::path> Chosen(const QString& file) {
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

// Qt's own dialog lists the folder it remembered in its settings before it turns to the one it
// is given, and listing a folder such as /proc blocks it for good; so it remembers the given one.
QString StartFolder(const std::filesystem::path& folder) {
  const QString dir = QFile::decodeName(folder.c_str());
  QSettings(QSettings::UserScope, QStringLiteral("QtProject"))
      .setValue(QStringLiteral("FileDialog/lastVisited"), QUrl::fromLocalFile(dir));
  return dir;
}

}  // namespace

// The box of a long text takes its time to build, but the user reads it under the usual cursor,
// also when it comes up in the middle of a long step.
void QtServices::MsgBox(const std::string& text) {
  std::optional<BusyCursor> building(std::in_place, text.size());
  ScrollingMessageBox box(text, QApplication::activeWindow());
  building.reset();
  const UsualCursor reading;
  box.exec();
}

PressedButton QtServices::ShowModal(const MessageDialog& dialog) {
  QtMessageDialog shown(dialog, QApplication::activeWindow());
  const UsualCursor answering;
  shown.Box().exec();
  return shown.Pressed();
}

// Every file the program saves is a plain text file, so the type needs no filter of its own.
std::optional<std::filesystem::path> QtServices::GetSaveFolderItem(
    const std::string&, const std::string& name, const std::filesystem::path& folder) {
  return Chosen(QFileDialog::getSaveFileName(
      QApplication::activeWindow(), QString(),
      QDir(StartFolder(folder)).filePath(QString::fromStdString(name))));
}

std::optional<std::filesystem::path> QtServices::GetOpenFolderItem(
    const std::string& filter, const std::filesystem::path& folder) {
  return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                             StartFolder(folder), QString::fromStdString(filter)));
}

void QtServices::Quit(int exitCode) {
  QCoreApplication::exit(exitCode);
}
