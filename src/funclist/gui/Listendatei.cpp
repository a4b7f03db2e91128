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

// What the user is told when a chosen file is not loaded; the path is named, since a file dialog
// makes it easy to pick the wrong one.
std::string Ablehnung(Funktionsliste::Befund befund, const std::filesystem::path& pfad) {
  using Funktionsliste::Befund;
  const std::string datei = "„" + Dateiname(pfad).toStdString() + "“ ist keine Funktionsliste";
  const std::string bleibt = ". Die Funktionsliste bleibt unverändert.";
  switch (befund) {
    case Befund::Ordner:
      return datei + ", sondern ein Ordner" + bleibt;
    case Befund::Pipe:
      return datei + ", sondern eine benannte Pipe" + bleibt;
    case Befund::Geraet:
      return datei + ", sondern ein Gerät" + bleibt;
    case Befund::Socket:
      return datei + ", sondern ein Socket" + bleibt;
    case Befund::Sonderdatei:
      return datei + ", sondern eine Sonderdatei" + bleibt;
    case Befund::KeinText:
      return datei + ", denn die Datei ist kein reiner Text in UTF-8" + bleibt;
    case Befund::ZuGross:
      return "Die Datei ist zu groß für eine Funktionsliste (mehr als 1 MiB) und wird nicht "
             "geladen.";
    case Befund::NichtLesbar:
    case Befund::Gelesen:
      break;
  }
  return "Die Datei konnte nicht gelesen werden.";
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
  if (gelesen.befund != Funktionsliste::Befund::Gelesen) {
    MsgBox(Ablehnung(gelesen.befund, *quelle));
    return;
  }
  Funktionsliste::EintraegeAnfuegen(RListe, Funktionsliste::Eintraege(gelesen.inhalt));
}
