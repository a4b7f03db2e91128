#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <string_view>
#include <system_error>

#include "app/BusyCursor.h"
#include "app/HauptF.h"
#include "funclist/core/Funktionsliste.h"
#include "funclist/core/Listenbefehle.h"
#include "funclist/core/Listendateilesen.h"

namespace {

QString Dateiname(const std::filesystem::path& pfad) {
  return QFile::decodeName(pfad.c_str());
}

std::string Genannt(const std::filesystem::path& pfad) {
  return "„" + Dateiname(pfad).toStdString() + "“";
}

// The size limit as the user reads it.
std::string Grenze() {
  return std::to_string(Funktionsliste::kGroessteDatei >> 20) + " MiB";
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
    case Befund::ZuGross:
      return "denn die Datei ist größer als " + Grenze();
    case Befund::KeinText:
      return "denn die Datei ist kein reiner Text in UTF-8";
    case Befund::NichtLesbar:
    case Befund::Gelesen:
      break;
  }
  return {};
}

const std::string kListeBleibt = ". Die Funktionsliste bleibt unverändert.";

// What the user is told when a chosen file is not loaded; the file is named, since a file dialog
// makes it easy to pick the wrong one.
std::string Ablehnung(Befund befund, const std::filesystem::path& pfad) {
  const std::string grund = Grund(befund);
  if (grund.empty()) return "Die Datei konnte nicht gelesen werden.";
  return Genannt(pfad) + " ist keine Funktionsliste, " + grund + kListeBleibt;
}

std::string ListeZuGross(const std::filesystem::path& pfad) {
  return Genannt(pfad) +
         " wird nicht geladen, denn mit den Einträgen dieser Datei würde die Funktionsliste "
         "größer, als sich speichern und wieder laden lässt (mehr als " +
         Grenze() + ")" + kListeBleibt;
}

// Reads the file and appends its entries; what the user is told when it is not loaded, empty
// when it is. Nothing is offered to the list before the whole file has been read and found to
// be a list that the list can take.
std::string Anfuegen(std::vector<std::string>& RListe, const std::filesystem::path& quelle) {
  std::error_code keineDatei;
  const auto groesse = std::filesystem::file_size(quelle, keineDatei);
  const BusyCursor busy(keineDatei ? 0 : groesse);
  const Funktionsliste::Ladeergebnis gelesen = Funktionsliste::ListendateiLesen(quelle);
  if (gelesen.befund != Befund::Gelesen) return Ablehnung(gelesen.befund, quelle);
  if (!Funktionsliste::EintraegeAnfuegen(RListe, Funktionsliste::Eintraege(gelesen.inhalt)))
    return ListeZuGross(quelle);
  return {};
}

// Why the file of this list would not give the same list back when loaded; empty when it would.
std::string Hindernisgrund(const std::vector<std::string>& RListe) {
  switch (Funktionsliste::Hindernis(RListe)) {
    case Funktionsliste::Speicherhindernis::ZuGross:
      return "ihre Datei wäre größer als " + Grenze() + " und ließe sich nicht wieder laden";
    case Funktionsliste::Speicherhindernis::LetzterEintrag:
      return "ihr letzter Eintrag ist leer oder endet mit einem Zeilenende und ginge beim Laden "
             "verloren";
    case Funktionsliste::Speicherhindernis::Keines:
      break;
  }
  return {};
}

// Written through a temporary file that replaces the target only when everything was written.
bool Schreiben(const std::vector<std::string>& RListe, const std::filesystem::path& ziel) {
  const BusyCursor busy(Funktionsliste::Dateigroesse(RListe));
  QSaveFile datei(Dateiname(ziel));
  const auto schreiben = [&datei](std::string_view stueck) {
    const auto laenge = static_cast<qint64>(stueck.size());
    return datei.write(stueck.data(), laenge) == laenge;
  };
  return datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
         Funktionsliste::DateiinhaltSchreiben(RListe, schreiben) && datei.commit();
}

const std::string kFruehereBleibt = "eine früher gespeicherte Datei bleibt unverändert.";

// Both file dialogs open where the user last kept a list in this run, else at home: never where
// the toolkit remembered, which may be a folder that blocks the dialog for good.
std::filesystem::path Startordner(const std::filesystem::path& listenordner) {
  if (!listenordner.empty()) return listenordner;
  return QFile::encodeName(QDir::homePath()).toStdString();
}

}  // namespace

// A list whose file would not load back to it is refused before a file is chosen; a failed save
// leaves an earlier file as it was.
void HauptF::RSpeichern() {
  if (const std::string hindernis = Hindernisgrund(RListe); !hindernis.empty()) {
    MsgBox("Die Funktionsliste wird nicht gespeichert, denn " + hindernis + "; " + kFruehereBleibt);
    return;
  }
  const auto ziel = Services().GetSaveFolderItem("text", "RDaten", Startordner(Listenordner));
  if (!ziel) return;
  if (!Schreiben(RListe, *ziel)) {
    MsgBox("Die Funktionsliste konnte nicht gespeichert werden; " + kFruehereBleibt);
    return;
  }
  Listenordner = ziel->parent_path();
}

void HauptF::RLaden() {
  const auto quelle = Services().GetOpenFolderItem("", Startordner(Listenordner));
  if (!quelle) return;
  if (const std::string ablehnung = Anfuegen(RListe, *quelle); !ablehnung.empty()) {
    MsgBox(ablehnung);
    return;
  }
  Listenordner = quelle->parent_path();
}
