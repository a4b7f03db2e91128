#include <QFile>
#include <QSaveFile>
#include <QString>

#include "app/HauptF.h"
#include "funclist/core/Funktionsliste.h"
#include "funclist/core/Listenbefehle.h"

namespace {

// A list file of the program holds one line of function texts; anything larger is not one.
constexpr qint64 kGroessteDatei = qint64{1} << 20;

QString Dateiname(const std::filesystem::path& pfad) {
  return QFile::decodeName(pfad.c_str());
}

}  // namespace

// Written through a temporary file that replaces the target only when everything was written,
// so a failed save leaves an earlier file as it was.
void HauptF::RSpeichern() {
  const auto ziel = Services().GetSaveFolderItem("text", "RDaten");
  if (!ziel) return;
  const std::string zeile = Funktionsliste::Dateiinhalt(RListe);
  QSaveFile datei(Dateiname(*ziel));
  const bool gespeichert = datei.open(QIODevice::WriteOnly) &&
                           datei.write(zeile.data(), static_cast<qint64>(zeile.size())) ==
                               static_cast<qint64>(zeile.size()) &&
                           datei.commit();
  if (!gespeichert)
    MsgBox(
        "Die Funktionsliste konnte nicht gespeichert werden; eine früher gespeicherte Datei "
        "bleibt unverändert.");
}

// Nothing is offered to the list before the whole file has been read.
void HauptF::RLaden() {
  const auto quelle = Services().GetOpenFolderItem("");
  if (!quelle) return;
  QFile datei(Dateiname(*quelle));
  if (!datei.open(QIODevice::ReadOnly)) {
    MsgBox("Die Datei konnte nicht gelesen werden.");
    return;
  }
  // Read one byte beyond the limit, so that a file whose size the system does not tell (a device,
  // a pipe) is measured as well.
  const QByteArray inhalt = datei.read(kGroessteDatei + 1);
  if (datei.error() != QFileDevice::NoError) {
    MsgBox("Die Datei konnte nicht gelesen werden.");
    return;
  }
  if (inhalt.size() > kGroessteDatei) {
    MsgBox(
        "Die Datei ist zu groß für eine Funktionsliste (mehr als 1 MiB) und wird nicht geladen.");
    return;
  }
  // Entries are UTF-8 like every text of the window; bytes that are none become replacement
  // characters.
  std::vector<std::string> stuecke =
      Funktionsliste::Eintraege(std::string_view(inhalt.constData(), inhalt.size()));
  for (std::string& s : stuecke)
    s = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toStdString();
  Funktionsliste::EintraegeAnfuegen(RListe, stuecke);
}
