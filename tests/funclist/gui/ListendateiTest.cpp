#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FunktionslisteFenster.h"

namespace {

using Liste = std::vector<std::string>;
using Funktionsliste::kNullfunktion;

const std::string kNichtGespeichert =
    "Die Funktionsliste konnte nicht gespeichert werden; eine früher gespeicherte Datei bleibt "
    "unverändert.";
const std::string kNichtGelesen = "Die Datei konnte nicht gelesen werden.";
const std::string kZuGross =
    "Die Datei ist zu groß für eine Funktionsliste (mehr als 1 MiB) und wird nicht geladen.";

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
      {"bytes that are no UTF-8 become replacement characters",
       "$\xff/1\n",
       {kNullfunktion, "a", "\xEF\xBF\xBD/1"}},
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

TEST_F(Listendatei, OneMebibyteLoadsAndMoreIsRefused) {
  const std::string genau(std::size_t{1} << 20, 'x');
  Schreibe(Pfad("genau"), "$" + genau.substr(2) + "\n");
  Schreibe(Pfad("gross"), "$" + std::string(std::size_t{2} << 20, 'x'));
  window().RListe = {kNullfunktion};

  Laden(Pfad("gross"), true);
  EXPECT_EQ(services.msgBoxTexts, Liste{kZuGross});
  EXPECT_EQ(window().RListe.size(), 1u);

  Laden(Pfad("genau"));
  ASSERT_EQ(window().RListe.size(), 2u);
  EXPECT_TRUE(window().RListe[1] == genau.substr(2)) << window().RListe[1].size();
}

TEST_F(Listendatei, AFileThatCannotBeReadIsSaidSoAndAddsNothing) {
  std::filesystem::create_directory(Pfad("ordner"));
  const Liste vorher = window().RListe;
  for (const auto& quelle : {Pfad("fehlt"), Pfad("ordner")}) {
    Laden(quelle, true);
    EXPECT_EQ(services.msgBoxTexts.back(), kNichtGelesen) << quelle;
    EXPECT_EQ(window().RListe, vorher) << quelle;
  }
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
