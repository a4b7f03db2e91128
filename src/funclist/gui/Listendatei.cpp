#include <QFile>
#include <QSaveFile>
#include <QString>

#include "app/HauptF.h"
#include "funclist/core/Funktionsliste.h"
#include "funclist/core/Listenbefehle.h"
#include "funclist/core/Listendateilesen.h"

namespace {

QString Dateiname(const std::filesystem::path& pfad) {
  return QFile::decodeName(pfad.c_str());
}

using Funktionsliste::Befund;

// Why a file that was looked at or read is no list file; empty for the other refusals.
std::string Grund(Befund befund) {
  switch (befund) {
    case Befund::Ordner:
      return "sondern ein Ordner";
    case Befund::Pipe:
      return "sondern eine benannte Pipe";
    case Befund::Geraet:
      return "sondern ein Gerät";
    case Befund::Socket:
      return "sondern ein Socket";
    case Befund::Sonderdatei:
      return "sondern eine Sonderdatei";
    case Befund::KeinText:
      return "denn die Datei ist kein reiner Text in UTF-8";
    case Befund::ZuGross:
    case Befund::NichtLesbar:
    case Befund::Gelesen:
      break;
  }
  return {};
}

// What the user is told when a chosen file is not loaded; a file that is no list is named, since
// a file dialog makes it easy to pick the wrong one.
std::string Ablehnung(Befund befund, const std::filesystem::path& pfad) {
  if (befund == Befund::ZuGross)
    return "Die Datei ist zu groß für eine Funktionsliste (mehr als 1 MiB) und wird nicht geladen.";
  const std::string grund = Grund(befund);
  if (grund.empty()) return "Die Datei konnte nicht gelesen werden.";
  return "„" + Dateiname(pfad).toStdString() + "“ ist keine Funktionsliste, " + grund +
         ". Die Funktionsliste bleibt unverändert.";
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

// Nothing is offered to the list before the whole file has been read and found to be a list.
void HauptF::RLaden() {
  const auto quelle = Services().GetOpenFolderItem("");
  if (!quelle) return;
  const Funktionsliste::Ladeergebnis gelesen = Funktionsliste::ListendateiLesen(*quelle);
  if (gelesen.befund != Befund::Gelesen) {
    MsgBox(Ablehnung(gelesen.befund, *quelle));
    return;
  }
  Funktionsliste::EintraegeAnfuegen(RListe, Funktionsliste::Eintraege(gelesen.inhalt));
}
