// The real file dialogs of "Laden" and "Speichern", in a process of their own: Qt's dialog reads
// the folder it remembered from its settings only while no dialog has been opened in the process.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/HauptF.h"
#include "app/QtServices.h"
#include "funclist/core/Funktionsliste.h"

namespace {

// Ends the whole run when the window has not answered after a minute: a dialog blocked in a read
// of /proc/kmsg can be woken by nothing, and a test must never wait for good.
class Waechter {
 public:
  Waechter() : thread_([this] { Wache(); }) {}
  Waechter(const Waechter&) = delete;
  Waechter& operator=(const Waechter&) = delete;
  ~Waechter() {
    {
      std::lock_guard lock(mutex_);
      fertig_ = true;
    }
    signal_.notify_one();
    thread_.join();
  }

 private:
  void Wache() {
    std::unique_lock lock(mutex_);
    if (signal_.wait_for(lock, std::chrono::minutes(1), [this] { return fertig_; })) return;
    std::fputs("The file dialog did not answer: it blocked on a folder it listed.\n", stderr);
    std::_Exit(EXIT_FAILURE);
  }

  std::mutex mutex_;
  std::condition_variable signal_;
  bool fertig_ = false;
  std::thread thread_;
};

// The toolkit's settings and the home folder of the test alone, the settings remembering /proc as
// the last folder of a file dialog.
class Umgebung {
 public:
  Umgebung() : heimVorher_(qgetenv("HOME")) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen_.path());
    QSettings(QSettings::UserScope, QStringLiteral("QtProject"))
        .setValue(QStringLiteral("FileDialog/lastVisited"),
                  QUrl::fromLocalFile(QStringLiteral("/proc")));
    qputenv("HOME", heim_.path().toLocal8Bit());
  }
  Umgebung(const Umgebung&) = delete;
  Umgebung& operator=(const Umgebung&) = delete;
  ~Umgebung() {
    qputenv("HOME", heimVorher_);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }

  std::filesystem::path Heim() const { return heim_.path().toStdString(); }

 private:
  QTemporaryDir einstellungen_;
  QTemporaryDir heim_;
  QByteArray heimVorher_;
};

// The user at the modal windows: presses the confirmation's button of this caption, and in the
// file dialog, once it has listed its folder, notes the folder and types the file's path.
class Benutzer {
 public:
  Benutzer() {
    takt_.setInterval(10);
    QObject::connect(&takt_, &QTimer::timeout, [this] { Bediene(); });
    takt_.start();
  }

  void Plane(const std::string& bestaetigung, const std::filesystem::path& datei) {
    bestaetigung_ = QString::fromStdString(bestaetigung);
    datei_ = QString::fromStdString(datei.string());
  }

  std::vector<std::filesystem::path> ordner;

 private:
  void Bediene() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      for (QAbstractButton* b : box->buttons()) {
        if (b->text() == bestaetigung_) {
          b->click();
          return;
        }
      }
      ADD_FAILURE() << "no button " << bestaetigung_.toStdString();
      box->reject();
      return;
    }
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr) return;
    const auto* modell = dialog->findChild<QFileSystemModel*>();
    const QString gezeigt = dialog->directory().absolutePath();
    if (modell == nullptr) {
      ADD_FAILURE() << "a dialog without its file list";
      dialog->reject();
      return;
    }
    if (modell->rowCount(modell->index(gezeigt)) == 0) return;
    ordner.push_back(gezeigt.toStdString());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name == nullptr) {
      ADD_FAILURE() << "a dialog without its file name field";
      dialog->reject();
      return;
    }
    name->setText(datei_);
    QMetaObject::invokeMethod(dialog, "accept");
  }

  QTimer takt_;
  QString bestaetigung_;
  QString datei_;
};

std::string Inhalt(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FileDialogTest, LadenAndSpeichernOpenAtHomeThenBesideTheLoadedFileNeverWhereQtRemembered) {
  const Umgebung umgebung;
  const std::filesystem::path listen = umgebung.Heim() / "Listen";
  std::filesystem::create_directory(listen);
  std::ofstream(umgebung.Heim() / "notiz", std::ios::binary) << "";
  std::ofstream(listen / "RDaten", std::ios::binary) << "$x^2 / 1$x / 1\n";

  QtServices dienste;
  HauptF fenster(dienste);
  fenster.Event_Open();
  fenster.RListe = {Funktionsliste::kNullfunktion};
  const Waechter waechter;
  Benutzer benutzer;

  benutzer.Plane("Laden", listen / "RDaten");
  fenster.Control<ComboBox>("RinglisteB").SetText("    Laden");
  EXPECT_EQ(fenster.RListe,
            (std::vector<std::string>{Funktionsliste::kNullfunktion, "x^2 / 1", "x / 1"}));

  benutzer.Plane("Dennoch Speichern", listen / "Kopie");
  fenster.Control<ComboBox>("RinglisteB").SetText("    Speichern");
  EXPECT_EQ(Inhalt(listen / "Kopie"), "$x^2 / 1$x / 1\n");

  EXPECT_EQ(benutzer.ordner, (std::vector<std::filesystem::path>{umgebung.Heim(), listen}));
}

}  // namespace
