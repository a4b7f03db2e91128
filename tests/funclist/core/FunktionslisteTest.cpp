#include "funclist/core/Funktionsliste.h"

#include <gtest/gtest.h>

namespace {

using Liste = std::vector<std::string>;
using Funktionsliste::kNullfunktion;

// The file's content as the pieces handed to the writer give it.
std::string Dateiinhalt(const Liste& l) {
  std::string inhalt;
  EXPECT_TRUE(Funktionsliste::DateiinhaltSchreiben(l, [&inhalt](std::string_view stueck) {
    inhalt += stueck;
    return true;
  }));
  return inhalt;
}

TEST(Funktionsliste, StoreKeepsFirstOccurrencesOnly) {
  Liste l{kNullfunktion};
  Funktionsliste::fInRListeEinfuegen(l, kNullfunktion);
  Funktionsliste::fInRListeEinfuegen(l, "x  / 1  ");
  Funktionsliste::fInRListeEinfuegen(l, "x  / 1 ");
  Funktionsliste::fInRListeEinfuegen(l, "x  / 1  ");
  Funktionsliste::fInRListeEinfuegen(l, "");
  Funktionsliste::fInRListeEinfuegen(l, "");
  EXPECT_EQ(l, (Liste{kNullfunktion, "x  / 1  ", "x  / 1 ", ""}));
  EXPECT_TRUE(Funktionsliste::IstSchonImRing(l, kNullfunktion));
  EXPECT_FALSE(Funktionsliste::IstSchonImRing(l, "X  / 1  ")) << "equality is exact";
}

TEST(Funktionsliste, FileContentIsOneLine) {
  const Liste leer{kNullfunktion};
  const Liste zwei{kNullfunktion, "x  / 1  ", "(1  + x  ) / x  "};
  EXPECT_EQ(Dateiinhalt(leer), "\n");
  EXPECT_EQ(Dateiinhalt(zwei), "$x  / 1  $(1  + x  ) / x  \n");
  EXPECT_EQ(Funktionsliste::Dateigroesse(leer), 1u);
  EXPECT_EQ(Funktionsliste::Dateigroesse(zwei), Dateiinhalt(zwei).size());
}

// Pieces of one size however the entries fall, an entry longer than a piece split across
// several, and nothing more once a piece is refused.
TEST(Funktionsliste, FileContentIsWrittenInPiecesOfOneSize) {
  constexpr std::size_t stueck = Funktionsliste::kSchreibstueck;
  const Liste l{kNullfunktion, "ab", std::string(2 * stueck + 5, 'x'), "c",
                std::string(stueck - 3, 'y')};
  std::vector<std::size_t> laengen;
  std::string inhalt;
  EXPECT_TRUE(Funktionsliste::DateiinhaltSchreiben(l, [&](std::string_view s) {
    laengen.push_back(s.size());
    inhalt += s;
    return true;
  }));
  EXPECT_EQ(inhalt, "$ab$" + l[2] + "$c$" + l[4] + "\n");
  EXPECT_EQ(laengen, (std::vector<std::size_t>{stueck, stueck, stueck, 10}));

  laengen.clear();
  EXPECT_TRUE(Funktionsliste::DateiinhaltSchreiben(
      Liste{kNullfunktion, std::string(stueck - 2, 'z')}, [&](std::string_view s) {
        laengen.push_back(s.size());
        return true;
      }));
  EXPECT_EQ(laengen, std::vector<std::size_t>{stueck}) << "no empty piece after a full one";

  std::size_t angeboten = 0;
  EXPECT_FALSE(Funktionsliste::DateiinhaltSchreiben(l, [&](std::string_view) {
    ++angeboten;
    return false;
  }));
  EXPECT_EQ(angeboten, 1u);
}

// The list never grows past what saves to a file that loads again.
TEST(Funktionsliste, StoreStopsWhereTheFileWouldOutgrowTheLimit) {
  Liste l{kNullfunktion};
  // "$", the entry and the line end leave room for two bytes more: one entry of one character.
  l.emplace_back(Funktionsliste::kGroessteDatei - 4, 'x');
  Funktionsliste::fInRListeEinfuegen(l, "ab");
  ASSERT_EQ(l.size(), 2u) << "a file one byte above the limit would not load";
  Funktionsliste::fInRListeEinfuegen(l, "a");
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(Funktionsliste::Dateigroesse(l), Funktionsliste::kGroessteDatei);
  Funktionsliste::fInRListeEinfuegen(l, "");
  EXPECT_EQ(l.size(), 3u);
}

TEST(Funktionsliste, ReadingPieces) {
  struct Case {
    const char* why;
    std::string inhalt;
    std::vector<std::string_view> stuecke;
  };
  const Case cases[] = {
      {"empty file", "", {}},
      {"only the line end", "\n", {}},
      {"trailing blanks survive", "$x  / 1  \r\n", {"x  / 1  "}},
      {"two entries", "$a$b\n", {"a", "b"}},
      {"first character dropped whatever it is", "ab$c", {"b", "c"}},
      {"a first character of several bytes is dropped whole", "Äb$c", {"b", "c"}},
      {"two dollars give an empty piece", "$$a", {"", "a"}},
      {"line end inside stays", "$a\nb$c\n\n", {"a\nb", "c"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Funktionsliste::Eintraege(c.inhalt), c.stuecke) << c.why;
}

// Whatever the list holds, either its file gives it back or saving is refused for the reason
// given: an entry that loading cuts short, or a file that "Laden" would not read.
TEST(Funktionsliste, AFileThatWouldNotGiveTheListBackIsNamedByItsHindrance) {
  using Funktionsliste::Speicherhindernis;
  struct Case {
    const char* why;
    Liste liste;
    Speicherhindernis hindernis;
  };
  const Case cases[] = {
      {"only the zero function", {kNullfunktion}, Speicherhindernis::Keines},
      {"function texts", {kNullfunktion, "x  / 1  ", "3  / 1  "}, Speicherhindernis::Keines},
      {"an empty entry before the last", {kNullfunktion, "", "a"}, Speicherhindernis::Keines},
      {"line ends and blanks inside and at the end",
       {kNullfunktion, "a\r\n", "b\nc  "},
       Speicherhindernis::Keines},
      {"an empty last entry", {kNullfunktion, "a", ""}, Speicherhindernis::LetzterEintrag},
      {"a last entry ending with 13 10",
       {kNullfunktion, "a\r\n"},
       Speicherhindernis::LetzterEintrag},
      {"a last entry ending with 13",
       {kNullfunktion, "a", "b\r"},
       Speicherhindernis::LetzterEintrag},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Funktionsliste::Hindernis(c.liste), c.hindernis) << c.why;
    const std::string datei = Dateiinhalt(c.liste);
    Liste geladen{kNullfunktion};
    for (const auto s : Funktionsliste::Eintraege(datei))
      Funktionsliste::fInRListeEinfuegen(geladen, std::string(s));
    EXPECT_EQ(geladen == c.liste, c.hindernis == Speicherhindernis::Keines) << c.why;
  }

  // A file above the limit would not load at all.
  Liste gross{kNullfunktion};
  gross.emplace_back(Funktionsliste::kGroessteDatei - 2, 'x');
  EXPECT_EQ(Funktionsliste::Hindernis(gross), Speicherhindernis::Keines) << "exactly the limit";
  gross.back() += 'x';
  EXPECT_EQ(Funktionsliste::Hindernis(gross), Speicherhindernis::ZuGross) << "one byte above";
}

TEST(Funktionsliste, WrittenFileReadsBackToTheSameList) {
  const Liste l{kNullfunktion, "(- 1  + x^2  ) / x  ", "x  / (1  + x  )^2", "3  / 1  "};
  Liste geladen{kNullfunktion};
  const std::string datei = Dateiinhalt(l);
  for (const auto s : Funktionsliste::Eintraege(datei))
    Funktionsliste::fInRListeEinfuegen(geladen, std::string(s));
  EXPECT_EQ(geladen, l);
}

}  // namespace
