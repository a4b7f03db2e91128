#include "funclist/core/Funktionsliste.h"

#include <gtest/gtest.h>

namespace {

using Liste = std::vector<std::string>;
using Funktionsliste::kNullfunktion;

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
  EXPECT_EQ(Funktionsliste::Dateiinhalt({kNullfunktion}), "\n");
  EXPECT_EQ(Funktionsliste::Dateiinhalt({kNullfunktion, "x  / 1  ", "(1  + x  ) / x  "}),
            "$x  / 1  $(1  + x  ) / x  \n");
}

TEST(Funktionsliste, ReadingPieces) {
  struct Case {
    const char* why;
    std::string inhalt;
    Liste stuecke;
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

TEST(Funktionsliste, WrittenFileReadsBackToTheSameList) {
  const Liste l{kNullfunktion, "(- 1  + x^2  ) / x  ", "x  / (1  + x  )^2", "3  / 1  "};
  Liste geladen{kNullfunktion};
  for (const auto& s : Funktionsliste::Eintraege(Funktionsliste::Dateiinhalt(l)))
    Funktionsliste::fInRListeEinfuegen(geladen, s);
  EXPECT_EQ(geladen, l);
}

}  // namespace
