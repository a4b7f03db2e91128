#include "funclist/core/Listenbefehle.h"

#include <gtest/gtest.h>

#include "funclist/core/Funktionsliste.h"

namespace {

using Liste = std::vector<std::string>;
using Funktionsliste::kNullfunktion;

TEST(Listenbefehle, ShowsEveryEntryWithLineFeedThenCarriageReturn) {
  EXPECT_EQ(Funktionsliste::Anzeigetext({kNullfunktion}),
            "Verwendete Funktionsterme:\n\r0 / 1  \n\r");
  EXPECT_EQ(Funktionsliste::Anzeigetext({kNullfunktion, "x  / 1  ", ""}),
            "Verwendete Funktionsterme:\n\r0 / 1  \n\rx  / 1  \n\r\n\r");
}

TEST(Listenbefehle, FetchingWalksRoundTheList) {
  struct Case {
    const char* why;
    std::size_t eintraege;
    std::int32_t start;
    std::vector<std::int32_t> gezeigt;
  };
  const Case cases[] = {
      {"only the zero function stays at element 0", 1, 0, {0, 0, 0}},
      {"three entries wrap after the last", 3, 0, {1, 2, 0, 1}},
      {"a cursor left past the end by a removal starts again at 0", 2, 4, {0, 1, 0}},
      {"a cursor on the last entry wraps", 3, 2, {0}},
  };
  for (const auto& c : cases) {
    const Liste l(c.eintraege, "t");
    std::int32_t zeiger = c.start;
    std::vector<std::int32_t> gezeigt;
    for (std::size_t i = 0; i < c.gezeigt.size(); ++i) {
      zeiger = Funktionsliste::NaechsterZeiger(l, zeiger);
      gezeigt.push_back(zeiger);
    }
    EXPECT_EQ(gezeigt, c.gezeigt) << c.why;
  }
}

TEST(Listenbefehle, AppendingPiecesAsSuccessiveInsertionsWould) {
  struct Case {
    const char* why;
    Liste vorher;
    Liste stuecke;
  };
  const Case cases[] = {
      {"new pieces in file order", {kNullfunktion, "a"}, {"c", "b"}},
      {"pieces already there are skipped", {kNullfunktion, "a"}, {"a", kNullfunktion, "b"}},
      {"a piece twice in the file is added once", {kNullfunktion}, {"b", "", "b", ""}},
      {"equality is exact", {kNullfunktion, "a"}, {"a ", "A", "0 / 1"}},
      {"nothing to add", {kNullfunktion, "a"}, {}},
  };
  for (const auto& c : cases) {
    Liste einzeln = c.vorher;
    for (const auto& s : c.stuecke) Funktionsliste::fInRListeEinfuegen(einzeln, s);
    Liste zusammen = c.vorher;
    Funktionsliste::EintraegeAnfuegen(zusammen, c.stuecke);
    EXPECT_EQ(zusammen, einzeln) << c.why;
  }
}

TEST(Listenbefehle, RemovingKeepsTheZeroFunctionAndTheOrder) {
  struct Case {
    const char* why;
    Liste vorher;
    std::string s;
    Liste nachher;
  };
  const Case cases[] = {
      {"a recorded entry goes, later ones move down",
       {kNullfunktion, "a", "b", "c"},
       "b",
       {kNullfunktion, "a", "c"}},
      {"the last entry", {kNullfunktion, "a", "b"}, "b", {kNullfunktion, "a"}},
      {"the zero function is never removed",
       {kNullfunktion, "a"},
       kNullfunktion,
       {kNullfunktion, "a"}},
      {"an absent text changes nothing", {kNullfunktion, "a"}, "a ", {kNullfunktion, "a"}},
      {"a list of only the zero function", {kNullfunktion}, "a", {kNullfunktion}},
  };
  for (const auto& c : cases) {
    Liste l = c.vorher;
    Funktionsliste::Entfernen(l, c.s);
    EXPECT_EQ(l, c.nachher) << c.why;
  }
}

}  // namespace
