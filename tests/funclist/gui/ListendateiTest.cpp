#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "FunktionslisteFenster.h"

namespace {

using Liste = std::vector<std::string>;
using Funktionsliste::kNullfunktion;

const std::string kNichtGespeichert =
    "Die Funktionsliste konnte nicht gespeichert werden; eine früher gespeicherte Datei bleibt "
    "unverändert.";
const std::string kNichtGelesen = "Die Datei konnte nicht gelesen werden.";
const std::string kBleibt = ". Die Funktionsliste bleibt unverändert.";

std::string Genannt(const std::filesystem::path& p) {
  return "„" + p.string() + "“";
}

// Opens the writing end of a pipe when a load has not returned after some seconds, so that a
// load that waits on the pipe fails the test instead of hanging it.
class PipenWaechter {
 public:
  explicit PipenWaechter(std::filesystem::path pipe)
      : pipe_(std::move(pipe)), thread_([this] { Wache(); }) {}
  PipenWaechter(const PipenWaechter&) = delete;
  PipenWaechter& operator=(const PipenWaechter&) = delete;
  ~PipenWaechter() { Zurueck(); }

  // Whether the load returned on its own.
  bool Zurueck() {
    {
      std::lock_guard lock(mutex_);
      zurueck_ = true;
    }
    signal_.notify_one();
    if (thread_.joinable()) thread_.join();
    return !geoeffnet_;
  }

 private:
  void Wache() {
    std::unique_lock lock(mutex_);
    if (signal_.wait_for(lock, std::chrono::seconds(10), [this] { return zurueck_; })) return;
    geoeffnet_ = true;
    const int fd = ::open(pipe_.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }

  std::filesystem::path pipe_;
  std::mutex mutex_;
  std::condition_variable signal_;
  bool zurueck_ = false;
  bool geoeffnet_ = false;
  std::thread thread_;
};

class Listendatei : public FunktionslisteFenster {
 protected:
  std::filesystem::path Pfad(const std::string& name) const {
    return std::filesystem::path(ordner.path().toStdString()) / name;
  }
  static std::string Inhalt(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Schreibe(const std::filesystem::path& p, const std::string& inhalt) {
    std::ofstream(p, std::ios::binary) << inhalt;
  }

  // "    Speichern" in the list box, confirmed, with this answer in the save dialog, expecting a
  // message box when it cannot be done.
  void Speichern(std::optional<std::filesystem::path> ziel, bool meldung = false) {
    services.AnswerDialog(PressedButton::ActionButton);
    services.AnswerSaveDialog(std::move(ziel));
    if (meldung) services.ExpectMsgBox();
    Waehle("RinglisteB", "    Speichern");
  }
  void Laden(std::optional<std::filesystem::path> quelle, bool meldung = false) {
    services.AnswerDialog(PressedButton::ActionButton);
    services.AnswerOpenDialog(std::move(quelle));
    if (meldung) services.ExpectMsgBox();
    Waehle("RinglisteB", "    Laden");
  }

  QTemporaryDir ordner;
};

TEST_F(Listendatei, SavedListLoadsBackToTheSameList) {
  Analysiere("x", "x+1");
  Analysiere("3", "1");
  window().fInRListeEinfuegen("Größe / 1  ");
  const Liste gespeichert = window().RListe;
  ASSERT_EQ(gespeichert.size(), 5u);

  Speichern(Pfad("RDaten"));
  EXPECT_EQ(Inhalt(Pfad("RDaten")),
            "$" + gespeichert[1] + "$x   / (1  + x  )$3   / 1  $Größe / 1  \n");
  EXPECT_EQ(services.saveDialogNames, Liste{"RDaten"});
  EXPECT_EQ(services.dialogs.back().ActionButton.Caption, "Dennoch Speichern");

  services.AnswerDialog(PressedButton::ActionButton);
  Waehle("RinglisteB", "    Entleeren");
  ASSERT_EQ(window().RListe, Liste{kNullfunktion});
  Laden(Pfad("RDaten"));
  EXPECT_EQ(window().RListe, gespeichert);
  EXPECT_EQ(services.openDialogFilters, Liste{""});
  EXPECT_EQ(services.dialogs.back().ActionButton.Caption, "Laden");
  EXPECT_TRUE(services.msgBoxTexts.empty());
}

TEST_F(Listendatei, SavingReplacesAnEarlierFileAndAnEmptyListIsOnlyTheLineEnd) {
  Schreibe(Pfad("RDaten"), "$alt$alt2\n");
  window().RListe = {kNullfunktion};
  Speichern(Pfad("RDaten"));
  EXPECT_EQ(Inhalt(Pfad("RDaten")), "\n");
}

TEST_F(Listendatei, LoadingAppendsThePiecesNotYetInTheList) {
  struct Case {
    const char* why;
    std::string inhalt;
    Liste nachher;
  };
  const Case cases[] = {
      {"the first character is dropped whatever it is", "ab$c\n", {kNullfunktion, "a", "b", "c"}},
      {"an empty file adds nothing", "", {kNullfunktion, "a"}},
      {"only the line end adds nothing", "\r\n", {kNullfunktion, "a"}},
      {"two dollars offer an empty piece", "$$x\n", {kNullfunktion, "a", "", "x"}},
      {"pieces already there are skipped", "$b$a$0 / 1  $c\n", {kNullfunktion, "a", "b", "c"}},
      {"trailing blanks survive, line ends inside stay",
       "$b  \r\nc$d  \r\n\n",
       {kNullfunktion, "a", "b  \r\nc", "d  "}},
      {"tabs and characters beyond ASCII are text",
       "$b\tc$Größe €\n",
       {kNullfunktion, "a", "b\tc", "Größe €"}},
  };
  for (const auto& c : cases) {
    window().RListe = {kNullfunktion, "a"};
    window().PZeiger = 1;
    Schreibe(Pfad("liste"), c.inhalt);
    Laden(Pfad("liste"));
    EXPECT_EQ(window().RListe, c.nachher) << c.why;
    EXPECT_EQ(window().PZeiger, 1) << c.why;
  }
  EXPECT_TRUE(services.msgBoxTexts.empty());
}

// As some editors save UTF-8: the mark before the first "$" would become an empty first entry, and
// "Speichern" would then write "$$".
TEST_F(Listendatei, AByteOrderMarkAtTheStartIsSkippedAndNotSavedAgain) {
  Schreibe(Pfad("mitBom"), "\xEF\xBB\xBF$x^2 / 1$x / 1");
  window().RListe = {kNullfunktion};
  Laden(Pfad("mitBom"));
  EXPECT_EQ(window().RListe, (Liste{kNullfunktion, "x^2 / 1", "x / 1"}));
  Speichern(Pfad("RDaten"));
  EXPECT_EQ(Inhalt(Pfad("RDaten")), "$x^2 / 1$x / 1\n");
  EXPECT_TRUE(services.msgBoxTexts.empty());
}

// As a user builds it: two files of 24,000 entries, about 0.8 MB each, together more than the
// mebibyte that "Laden" once took as its limit.
TEST_F(Listendatei, AListOfTwoLoadedFilesSavesAndLoadsBack) {
  const auto datei = [](int erster) {
    std::string inhalt;
    for (int i = erster; i < erster + 24000; ++i)
      inhalt += "$(" + std::to_string(i) + "  + x^2  ) / (1  + x^3  )";
    return inhalt + "\n";
  };
  Schreibe(Pfad("erste"), datei(0));
  Schreibe(Pfad("zweite"), datei(24000));
  window().RListe = {kNullfunktion};
  Laden(Pfad("erste"));
  Laden(Pfad("zweite"));
  const Liste gespeichert = window().RListe;
  ASSERT_EQ(gespeichert.size(), 48001u);

  Speichern(Pfad("RDaten"));
  EXPECT_GT(std::filesystem::file_size(Pfad("RDaten")), std::uintmax_t{1} << 20);
  services.AnswerDialog(PressedButton::ActionButton);
  Waehle("RinglisteB", "    Entleeren");
  ASSERT_EQ(window().RListe, Liste{kNullfunktion});
  Laden(Pfad("RDaten"));
  EXPECT_TRUE(window().RListe == gespeichert) << "the same entries in the same order";
  EXPECT_TRUE(services.msgBoxTexts.empty());
}

// The list never grows past what saves to a file that loads again: a load that would take it
// there is refused whole, an analysed function is no longer recorded, and the full list saves to
// a file of exactly the limit, which loads back. A file above the limit is refused whole.
TEST_F(Listendatei, TheListStopsAtTheLimitAndTheFullListLoadsBack) {
  const std::size_t grenze = Funktionsliste::kGroessteDatei;
  {
    // "$", the entry and the line end leave room for two bytes more.
    std::ofstream gross(Pfad("gross"), std::ios::binary);
    gross << '$' << std::string(grenze - 4, 'a') << '\n';
  }
  Schreibe(Pfad("zwei"), "$cd\n");
  Schreibe(Pfad("eins"), "$c\n");
  Schreibe(Pfad("darueber"), "");
  std::filesystem::resize_file(Pfad("darueber"), grenze + 1);
  window().RListe = {kNullfunktion};
  Laden(Pfad("gross"));
  ASSERT_EQ(window().RListe.size(), 2u);

  window().PZeiger = 1;
  Laden(Pfad("zwei"), true);
  Laden(Pfad("darueber"), true);
  EXPECT_EQ(
      services.msgBoxTexts,
      (Liste{Genannt(Pfad("zwei")) +
                 " wird nicht geladen, denn mit den Einträgen dieser Datei würde die "
                 "Funktionsliste größer, als sich speichern und wieder laden lässt (mehr "
                 "als 64 MiB)" +
                 kBleibt,
             Genannt(Pfad("darueber")) +
                 " ist keine Funktionsliste, denn die Datei ist größer als 64 MiB" + kBleibt}));
  EXPECT_EQ(window().RListe.size(), 2u) << "refused whole";
  EXPECT_EQ(window().PZeiger, 1);

  Laden(Pfad("eins"));
  ASSERT_EQ(window().RListe.size(), 3u) << "up to the limit";
  Analysiere("x", "x+1");
  const Liste voll = window().RListe;
  EXPECT_EQ(voll.size(), 3u) << "an analysed function is no longer recorded";

  Speichern(Pfad("RDaten"));
  EXPECT_EQ(std::filesystem::file_size(Pfad("RDaten")), grenze);
  window().RListe = {kNullfunktion};
  Laden(Pfad("RDaten"));
  EXPECT_TRUE(window().RListe == voll) << "the full list loads back";
  EXPECT_EQ(services.msgBoxTexts.size(), 2u);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor of each step is gone";
}

// Refused before a file is chosen, so that no earlier file is replaced by one that would not
// give the list back.
TEST_F(Listendatei, AListWhoseFileWouldNotLoadBackIsNotSaved) {
  Schreibe(Pfad("leer"), "$a$$0 / 1  \n");
  window().RListe = {kNullfunktion};
  Laden(Pfad("leer"));
  ASSERT_EQ(window().RListe, (Liste{kNullfunktion, "a", ""})) << "loading brings such a list";

  const std::string verloren =
      "ihr letzter Eintrag ist leer oder endet mit einem Zeilenende und ginge beim Laden verloren";
  Liste zuGross{kNullfunktion};
  zuGross.emplace_back(Funktionsliste::kGroessteDatei - 1, 'x');
  struct Case {
    const char* why;
    Liste liste;
    std::string grund;
  };
  const Case cases[] = {
      {"an empty last entry", window().RListe, verloren},
      {"a last entry ending with a line end", {kNullfunktion, "a\r\n"}, verloren},
      {"a file above the limit", std::move(zuGross),
       "ihre Datei wäre größer als 64 MiB und ließe sich nicht wieder laden"},
  };
  Schreibe(Pfad("RDaten"), "$frueher\n");
  for (const auto& c : cases) {
    window().RListe = c.liste;
    services.msgBoxTexts.clear();
    services.AnswerDialog(PressedButton::ActionButton);
    services.ExpectMsgBox();
    Waehle("RinglisteB", "    Speichern");
    EXPECT_EQ(services.msgBoxTexts,
              Liste{"Die Funktionsliste wird nicht gespeichert, denn " + c.grund +
                    "; eine früher gespeicherte Datei bleibt unverändert."})
        << c.why;
    EXPECT_TRUE(window().RListe == c.liste) << c.why;
  }
  EXPECT_TRUE(services.saveDialogNames.empty());
  EXPECT_EQ(Inhalt(Pfad("RDaten")), "$frueher\n");
}

TEST_F(Listendatei, AFileThatCannotBeReadIsSaidSoAndAddsNothing) {
  const Liste vorher = window().RListe;
  Laden(Pfad("fehlt"), true);
  EXPECT_EQ(services.msgBoxTexts, Liste{kNichtGelesen});
  EXPECT_EQ(window().RListe, vorher);
}

// Only a regular file holding text is opened and read: a pipe would block the window for good, a
// device would pour its bytes in, and a binary file would flood the list with garbage that only
// "Entleeren" removes, together with the user's own entries.
TEST_F(Listendatei, WhatIsNoListFileIsRefusedWholeNamingItsPath) {
  ASSERT_EQ(::mkfifo(Pfad("pipe").c_str(), 0600), 0);
  std::filesystem::create_directory(Pfad("ordner"));
  {
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(s, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const std::string pfad = Pfad("socket").string();
    ASSERT_LT(pfad.size(), sizeof adresse.sun_path);
    std::strncpy(adresse.sun_path, pfad.c_str(), sizeof adresse.sun_path - 1);
    ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse), 0);
    ::close(s);
  }
  Schreibe(Pfad("nul"), std::string("$x\0y\n", 6));
  Schreibe(Pfad("latin1"), "$Ma\xDF / 1\n");
  Schreibe(Pfad("steuerzeichen"), "$a\f$b\n");
  const std::filesystem::path binaer = VARELTO_TESTDATEN "/rauschen.png";
  ASSERT_TRUE(std::filesystem::is_regular_file(binaer));

  const std::string bleibt = ". Die Funktionsliste bleibt unverändert.";
  const auto keine = [](const std::filesystem::path& p) {
    return "„" + p.string() + "“ ist keine Funktionsliste";
  };
  const std::string keinText = ", denn die Datei ist kein reiner Text in UTF-8" + bleibt;
  struct Case {
    std::filesystem::path quelle;
    std::string meldung;
  };
  const Case cases[] = {
      {Pfad("pipe"), keine(Pfad("pipe")) + ", sondern eine benannte Pipe" + bleibt},
      {Pfad("ordner"), keine(Pfad("ordner")) + ", sondern ein Ordner" + bleibt},
      {"/dev/zero", keine("/dev/zero") + ", sondern ein Gerät" + bleibt},
      {"/dev/urandom", keine("/dev/urandom") + ", sondern ein Gerät" + bleibt},
      {Pfad("socket"), keine(Pfad("socket")) + ", sondern ein Socket" + bleibt},
      {binaer, keine(binaer) + keinText},
      {Pfad("nul"), keine(Pfad("nul")) + keinText},
      {Pfad("latin1"), keine(Pfad("latin1")) + keinText},
      {Pfad("steuerzeichen"), keine(Pfad("steuerzeichen")) + keinText},
  };
  const Liste vorher = {kNullfunktion, "x   / 1  ", "eigene"};
  for (const auto& c : cases) {
    window().RListe = vorher;
    window().PZeiger = 2;
    services.msgBoxTexts.clear();
    PipenWaechter waechter(Pfad("pipe"));
    Laden(c.quelle, true);
    EXPECT_TRUE(waechter.Zurueck()) << c.quelle << ": the load waited on the pipe";
    EXPECT_EQ(services.msgBoxTexts, Liste{c.meldung}) << c.quelle;
    EXPECT_EQ(window().RListe, vorher) << c.quelle;
    EXPECT_EQ(window().PZeiger, 2) << c.quelle;
  }
}

// Every entry the list can hold is written so that the file loads back, those that a loaded file
// brought along with tabs and line ends inside included.
TEST_F(Listendatei, EveryListTheProgramSavesLoadsBack) {
  Schreibe(Pfad("mehrzeilig"), "$a\tb$zwei\r\nZeilen$Größe / 1  \r\n");
  window().RListe = {kNullfunktion};
  Laden(Pfad("mehrzeilig"));
  window().fInRListeEinfuegen("");
  Analysiere("(x-1)^2", "x^3+0.5");
  const Liste gespeichert = window().RListe;
  ASSERT_EQ(gespeichert.size(), 6u);

  Speichern(Pfad("RDaten"));
  window().RListe = {kNullfunktion};
  Laden(Pfad("RDaten"));
  EXPECT_EQ(window().RListe, gespeichert);
  EXPECT_TRUE(services.msgBoxTexts.empty());
}

TEST_F(Listendatei, AFailedSaveLeavesTheEarlierFileIntact) {
  Schreibe(Pfad("alt"), "$frueher\n");
  // A regular file cannot be a folder, whatever the rights of the user.
  Speichern(Pfad("alt") / "RDaten", true);
  EXPECT_EQ(services.msgBoxTexts, Liste{kNichtGespeichert});
  EXPECT_EQ(Inhalt(Pfad("alt")), "$frueher\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Pfad("")),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file is left behind";
}

// Never where the toolkit remembered: that may be a folder whose listing blocks the dialog.
TEST_F(Listendatei, FileDialogsOpenAtHomeThenWhereTheLastListWasLoadedOrSaved) {
  for (const char* unter : {"geladen", "gespeichert", "abgelehnt", "fehlgeschlagen"})
    std::filesystem::create_directory(Pfad(unter));
  Schreibe(Pfad("geladen") / "liste", "$x\n");
  Schreibe(Pfad("abgelehnt") / "binaer", std::string("$x\0\n", 4));
  Schreibe(Pfad("fehlgeschlagen") / "RDaten", "");
  const std::filesystem::path home = QDir::homePath().toStdString();

  Laden(std::nullopt);
  Speichern(std::nullopt);
  Laden(Pfad("geladen") / "liste");
  Speichern(Pfad("gespeichert") / "RDaten");
  Laden(Pfad("abgelehnt") / "binaer", true);
  Speichern(Pfad("fehlgeschlagen") / "RDaten" / "RDaten", true);
  Laden(std::nullopt);
  EXPECT_EQ(services.fileDialogFolders, (std::vector<std::filesystem::path>{
                                            home, home, home, Pfad("geladen"), Pfad("gespeichert"),
                                            Pfad("gespeichert"), Pfad("gespeichert")}))
      << "a cancelled dialog, a refused file and a failed save leave the folder";
}

TEST_F(Listendatei, CancelledDialogsTouchNothing) {
  const Liste vorher = window().RListe;
  Speichern(std::nullopt);
  Laden(std::nullopt);
  services.AnswerDialog(PressedButton::CancelButton);
  Waehle("RinglisteB", "    Speichern");
  services.AnswerDialog(PressedButton::CancelButton);
  Waehle("RinglisteB", "    Laden");
  EXPECT_EQ(window().RListe, vorher);
  EXPECT_TRUE(std::filesystem::is_empty(Pfad("")));
  EXPECT_EQ(services.saveDialogNames.size(), 1u) << "a declined confirmation shows no file dialog";
  EXPECT_EQ(services.openDialogFilters.size(), 1u);
}

}  // namespace
