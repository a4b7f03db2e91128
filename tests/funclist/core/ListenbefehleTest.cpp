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
  Liste viele;
  for (int i = 0; i < 5000; ++i) viele.push_back(std::to_string(i % 3000) + "  / x  ");
  const Liste vieleVorher = {kNullfunktion, "7  / x  ", "a"};
  struct Case {
    const char* why;
    Liste vorher;
    std::vector<std::string_view> stuecke;
  };
  const Case cases[] = {
      {"thousands of pieces, some repeated, some listed already",
       vieleVorher,
       {viele.begin(), viele.end()}},
      {"new pieces in file order", {kNullfunktion, "a"}, {"c", "b"}},
      {"pieces already there are skipped", {kNullfunktion, "a"}, {"a", kNullfunktion, "b"}},
      {"a piece twice in the file is added once", {kNullfunktion}, {"b", "", "b", ""}},
      {"equality is exact", {kNullfunktion, "a"}, {"a ", "A", "0 / 1"}},
      {"nothing to add", {kNullfunktion, "a"}, {}},
  };
  for (const auto& c : cases) {
    Liste einzeln = c.vorher;
    for (const auto s : c.stuecke) Funktionsliste::fInRListeEinfuegen(einzeln, std::string(s));
    Liste zusammen = c.vorher;
    EXPECT_TRUE(Funktionsliste::EintraegeAnfuegen(zusammen, c.stuecke)) << c.why;
    EXPECT_EQ(zusammen, einzeln) << c.why;
  }
}

// Whole or not at all, so that the list still saves to a file that loads; pieces already listed
// take no room. One list fills up step by step.
TEST(Listenbefehle, AppendingStopsWholeWhereTheFileWouldOutgrowTheLimit) {
  Liste l{kNullfunktion};
  // Views into the large entry stay valid as long as the list is not moved.
  l.reserve(8);
  // "$", the entry and the line end leave room for ten bytes more.
  const std::string_view gross = l.emplace_back(Funktionsliste::kGroessteDatei - 12, 'x');
  struct Step {
    const char* why;
    std::vector<std::string_view> stuecke;
    bool angefuegt;
    std::size_t eintraege;
  };
  const Step steps[] = {
      {"one byte above the limit, an empty piece taking its dollar", {"123456789", ""}, false, 2},
      {"two pieces that fit only one by one", {"12345", "6789"}, false, 2},
      {"a repeated piece counts once", {"1234", "1234"}, true, 3},
      {"up to the limit, the listed pieces taking no room", {gross, "1234", "abcd"}, true, 4},
      {"nothing more, not even an empty piece", {""}, false, 4},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(Funktionsliste::EintraegeAnfuegen(l, s.stuecke), s.angefuegt) << s.why;
    EXPECT_EQ(l.size(), s.eintraege) << s.why;
    EXPECT_LE(Funktionsliste::Dateigroesse(l), Funktionsliste::kGroessteDatei) << s.why;
  }
  EXPECT_EQ(Funktionsliste::Dateigroesse(l), Funktionsliste::kGroessteDatei);
  EXPECT_EQ(l.back(), "abcd");
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
