#include <QApplication>
#include <QCursor>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FunktionslisteFenster.h"
#include "app/BusyCursor.h"

namespace {

using Liste = std::vector<std::string>;
using Funktionsliste::kNullfunktion;

const std::string kGradsumme = "Die Gradsumme von Zähler und Nenner ist zu groß";
const std::string kDifferenzZuGross = "Summe der verwendeten Grade ist zu groß.";
const std::string kHNichtLesbar =
    "Der Term im h-Feld ist nicht lesbar; g und h bleiben unverändert.";

class Registertasten : public FunktionslisteFenster {
 protected:
  std::string f() { return window().RRR.Term2string(); }
  std::string g() { return window().Pg.Term2string(); }
  std::string h() { return window().AnzeigeF().Text(); }
};

TEST_F(Registertasten, SwappingGAndFTwiceGivesBoth) {
  const std::string start = f();
  Druecke("gfB");
  EXPECT_EQ(Termfelder(), "0 | 1") << "g is the zero function at start";
  EXPECT_EQ(f(), kNullfunktion);
  EXPECT_EQ(g(), start);
  Druecke("gfB");
  EXPECT_EQ(f(), start);
  EXPECT_EQ(g(), kNullfunktion);
}

TEST_F(Registertasten, CombiningFWithG) {
  struct Case {
    const char* why;
    const char* taste;
    std::vector<double> gZl, gNn;
    std::string zaehler, nenner;
    // Typed after the last run and not analysed.
    std::string getippt;
    std::string ergebnis;
    Liste neu;
  };
  const Case cases[] = {
      {"product",
       "gmalfB",
       {0, 1},
       {2, 1},
       "x",
       "x+1",
       "",
       "x^2   / (2  + 3x  + x^2  )",
       {"x^2   / (2  + 3x  + x^2  )"}},
      {"product with the zero function", "gmalfB", {}, {1}, "x", "x+1", "", kNullfunktion, {}},
      {"the product takes f as the last run left it",
       "gmalfB",
       {0, 1},
       {2, 1},
       "x",
       "x+1",
       "x^5",
       "x^2   / (2  + 3x  + x^2  )",
       {"x^2   / (2  + 3x  + x^2  )"}},
      {"difference from the zero function is -f",
       "gmalfB1",
       {},
       {1},
       "x",
       "x+1",
       "",
       "(- x  ) / (1  + x  )",
       {"(- x  ) / (1  + x  )"}},
      {"difference of equal functions is zero",
       "gmalfB1",
       {0, 1},
       {1, 1},
       "x",
       "x+1",
       "",
       kNullfunktion,
       {}},
      {"the difference first analyses the edited fields",
       "gmalfB1",
       {},
       {1},
       "x",
       "x+1",
       "x^2",
       "(- x^2  ) / (1  + x  )",
       {"x^2   / (1  + x  )", "(- x^2  ) / (1  + x  )"}},
      {"reciprocal", "gmalfB11", {}, {1}, "x", "x+1", "", "(1  + x  ) / x  ", {"(1  + x  ) / x  "}},
  };
  for (const auto& c : cases) {
    window().RListe = {kNullfunktion};
    Analysiere(c.zaehler, c.nenner);
    const std::string vorher = f();
    Setze(window().Pg, c.gZl, c.gNn);
    const std::string gVorher = g();
    if (!c.getippt.empty()) window().EingF().SetText(c.getippt);
    Druecke(c.taste);
    EXPECT_EQ(f(), c.ergebnis) << c.why;
    EXPECT_EQ(g(), gVorher) << c.why;
    Liste liste = {kNullfunktion, vorher};
    liste.insert(liste.end(), c.neu.begin(), c.neu.end());
    EXPECT_EQ(window().RListe, liste) << c.why;
  }
}

TEST_F(Registertasten, TheReciprocalOfTheZeroFunctionIsRefused) {
  Analysiere("0", "1");
  window().EingF().SetText("x");
  services.ExpectMsgBox();
  Druecke("gmalfB11");
  EXPECT_EQ(services.msgBoxTexts, Liste{"Zur Nullfunktion gibt es keine Kehrwertfunktion"});
  EXPECT_EQ(Termfelder(), "x | 1") << "the edit stays and no run follows";
  EXPECT_EQ(f(), kNullfunktion);
}

TEST_F(Registertasten, SwappingFAndH) {
  struct Case {
    const char* why;
    std::string h;
    std::string f;
  };
  const Case cases[] = {
      {"a function text", "x / (x+1)", "x   / (1  + x  )"},
      {"no slash: over 1", "x^2", "x^2   / 1  "},
      {"an empty h is the zero function", "", kNullfunktion},
  };
  for (const auto& c : cases) {
    Analysiere("3x", "1");
    window().AnzeigeF().SetText(c.h);
    // The edited fields are analysed before f goes into h.
    window().EingF().SetText("x^3");
    Druecke("RZeigB");
    EXPECT_EQ(f(), c.f) << c.why;
    EXPECT_EQ(h(), "x^3   / 1  ") << c.why;
  }
}

// The operations that analyse the fields first stop at a refused term, so no stale f is swapped,
// combined or moved; "f löschen" still ends with the zero function but asks and removes nothing.
// Watched from inside the step: the h field changes while it runs.
TEST_F(Registertasten, LongStepsWithHShowTheWaitCursorAndLeaveNone) {
  std::string gross;
  while (gross.size() < BusyCursor::kLongEntry) gross += "x+";
  gross += "x / 1";
  struct Row {
    const char* why;
    const char* taste;
    std::string eintrag;
    bool warten;
  };
  const Row rows[] = {
      {"h aus Liste holen, a large entry", "RNextB1", gross, true},
      {"h aus Liste holen, a small entry", "RNextB1", "x / (1+x)", false},
      {"f <-> h, a large h", "RZeigB", gross, true},
      {"f <-> h, a small h", "RZeigB", "x / (1+x)", false},
  };
  for (const Row& r : rows) {
    window().RListe = {kNullfunktion, r.eintrag};
    window().PZeiger = 0;
    window().EingF().SetText("x");
    window().EingF2().SetText("1");
    window().AnzeigeF().SetText(std::string(r.taste) == "RZeigB" ? r.eintrag : "");
    std::optional<std::optional<Qt::CursorShape>> waehrend;
    const auto beobachter =
        QObject::connect(&window().AnzeigeF(), &QLineEdit::textChanged, [&waehrend] {
          const QCursor* c = QApplication::overrideCursor();
          waehrend = c != nullptr ? std::optional(c->shape()) : std::nullopt;
        });
    Druecke(r.taste);
    QObject::disconnect(beobachter);
    ASSERT_TRUE(waehrend.has_value()) << r.why;
    EXPECT_EQ(*waehrend == Qt::WaitCursor, r.warten) << r.why;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << r.why << ": none left behind";
  }
  EXPECT_EQ(h(), "x   / 1  ") << "f went into h";
}

TEST_F(Registertasten, ARefusedTermStopsTheOperationsThatAnalyseFirst) {
  struct Case {
    const char* why;
    const char* taste;
    // Afterwards; empty for as before the press.
    std::string termfelder, f;
  };
  const Case cases[] = {
      {"g <-> f keeps the typed text and swaps nothing", "gfB", "", ""},
      {"f := g - f computes nothing with the stale f", "gmalfB1", "", ""},
      {"f <-> h moves no stale f into h", "RZeigB", "", ""},
      {"f löschen neither asks nor removes but still clears f", "gfB1", "0 | 1", kNullfunktion},
  };
  for (const auto& c : cases) {
    window().RListe = {kNullfunktion};
    Analysiere("x", "x+1");
    Setze(window().Pg, {0, 1}, {2, 1});
    window().AnzeigeF().SetText("x^3");
    window().EingF().SetText("x**2");
    const std::string felder = Termfelder();
    const std::string vorher = f();
    const std::string gVorher = g();
    const Liste liste = window().RListe;
    services.dialogs.clear();
    Druecke(c.taste);
    EXPECT_EQ(Termfelder(), c.termfelder.empty() ? felder : c.termfelder) << c.why;
    EXPECT_EQ(f(), c.f.empty() ? vorher : c.f) << c.why;
    EXPECT_EQ(g(), gVorher) << c.why;
    EXPECT_EQ(h(), "x^3") << c.why;
    EXPECT_EQ(window().RListe, liste) << c.why;
    EXPECT_TRUE(services.dialogs.empty()) << c.why;
  }
}

TEST_F(Registertasten, SwappingGAndHReadsHWithTheWholeParser) {
  window().AnzeigeF().SetText("(x+1)(x-1) / x");
  const std::string start = f();
  Druecke("g_AnzB");
  EXPECT_EQ(g(), "(- 1  + x^2  ) / x  ");
  EXPECT_EQ(window().Pg.Np, 1);
  EXPECT_EQ(h(), kNullfunktion);
  EXPECT_EQ(f(), start) << "f itself is not changed";
  Druecke("g_AnzB");
  EXPECT_EQ(g(), kNullfunktion);
  EXPECT_EQ(window().Pg.Np, 0) << "a zero numerator gives exponent 0";
  EXPECT_EQ(h(), "(- 1  + x^2  ) / x  ");
}

TEST_F(Registertasten, AnUnreadableHChangesNeitherGNorH) {
  for (const char* text : {"x2 / 1", "x / 0", "x / (x-x)", "x) / x"}) {
    Setze(window().Pg, {0, 1}, {2, 1});
    window().AnzeigeF().SetText(text);
    const Liste liste = window().RListe;
    window().EingF().SetText("x^7");
    services.ExpectMsgBox();
    Druecke("g_AnzB");
    EXPECT_EQ(services.msgBoxTexts.back(), kHNichtLesbar) << text;
    EXPECT_EQ(g(), "x   / (2  + x  )") << text;
    EXPECT_EQ(h(), text);
    EXPECT_EQ(window().RListe, liste) << text << ": no run follows";
    EXPECT_EQ(window().EingF().Text(), "x^7") << text;
  }
}

TEST_F(Registertasten, DerivativeKeepsTheDenominatorAsAPower) {
  window().IntegralF().SetText("2.5");
  Analysiere("x^2", "1");
  Druecke("g_AnzB1");
  EXPECT_EQ(f(), "2x   / 1  ") << "a constant denominator is written without brackets";
  EXPECT_EQ(window().IntegralF().Text(), "");
  Analysiere("1", "x");
  Druecke("g_AnzB1");
  EXPECT_EQ(f(), "(- 1  ) / x^2  ");
}

// Each row starts from f analysed from the term fields and g set directly; the messages are the
// refusal or, after an accepted operation, the run's own degree message for its large result.
TEST_F(Registertasten, DegreeLimitsAtTheirBoundaries) {
  struct Case {
    const char* why;
    const char* taste;
    std::string zaehler, nenner;
    std::vector<double> gZl, gNn;
    // A denominator typed after the last run and not analysed.
    std::string getippt;
    Liste meldungen;
  };
  const Case cases[] = {
      {"product sum 21 accepted", "gmalfB", "x^10", "x+1", Monom(9), {2, 1}, "", {kGradsumme}},
      {"product sum 22 refused",
       "gmalfB",
       "x^10",
       "x+1",
       Monom(10),
       {2, 1},
       "",
       {"Ordnung der Produktfunktion ist zu groß."}},
      {"difference sum 42 accepted", "gmalfB1", "x^19", "x+1", Monom(21), {2, 1}, "", {kGradsumme}},
      {"difference sum 43 refused",
       "gmalfB1",
       "x^19",
       "x+1",
       Monom(22),
       {2, 1},
       "",
       {kDifferenzZuGross}},
      {"a partial product of 42 after the first run refused",
       "gmalfB1",
       "1",
       "x^20",
       Monom(21),
       {1},
       "x^21",
       {kGradsumme, kDifferenzZuGross}},
      {"derivative sum 15 accepted", "g_AnzB1", "x^10", "x^5+2", {}, {1}, "", {kGradsumme}},
      {"derivative sum 16 refused",
       "g_AnzB1",
       "x^10",
       "x^6+2",
       {},
       {1},
       "",
       {"Zu großer Exponent"}},
  };
  for (const auto& c : cases) {
    Analysiere(c.zaehler, c.nenner);
    Setze(window().Pg, c.gZl, c.gNn);
    if (!c.getippt.empty()) window().EingF2().SetText(c.getippt);
    const std::string felder = Termfelder();
    const std::string gVorher = g();
    services.msgBoxTexts.clear();
    for (std::size_t i = 0; i < c.meldungen.size(); ++i) services.ExpectMsgBox();
    Druecke(c.taste);
    EXPECT_EQ(services.msgBoxTexts, c.meldungen) << c.why;
    const bool abgelehnt = c.meldungen.back() != kGradsumme;
    EXPECT_EQ(Termfelder() == felder, abgelehnt) << c.why;
    EXPECT_EQ(g(), gVorher) << c.why;
  }
}

TEST_F(Registertasten, ResultsWhoseCoefficientsOverflowAreRefused) {
  // Written as text, an infinite coefficient would be read as nothing: another function.
  const std::string gross = "1" + std::string(200, '0');
  struct Case {
    const char* why;
    const char* taste;
    std::string zaehler, nenner;
    std::vector<double> gZl, gNn;
  };
  const Case cases[] = {
      {"product", "gmalfB", gross + "x", "x+1", {0, 1e200}, {1}},
      {"difference", "gmalfB1", "x", gross, {0, 1e200}, {1}},
      {"derivative", "g_AnzB1", gross + "x^2+1", gross + "x+1", {}, {1}},
  };
  for (const auto& c : cases) {
    Analysiere(c.zaehler, c.nenner);
    Setze(window().Pg, c.gZl, c.gNn);
    const std::string felder = Termfelder();
    const std::string fVorher = f();
    const std::vector<std::string> liste = window().RListe;
    services.msgBoxTexts.clear();
    services.ExpectMsgBox();
    Druecke(c.taste);
    EXPECT_EQ(services.msgBoxTexts,
              Liste{"Das Ergebnis hat zu große Koeffizienten; die Funktion bleibt unverändert."})
        << c.why;
    EXPECT_EQ(Termfelder(), felder) << c.why;
    EXPECT_EQ(f(), fVorher) << c.why;
    EXPECT_EQ(window().RListe, liste) << c.why;
  }
}

TEST_F(Registertasten, DerivativeWritesTheBracketedPower) {
  Analysiere("x^10", "x^5+2");
  services.ExpectMsgBox();
  Druecke("g_AnzB1");
  // The run leaves the fields as written when the result's degree sum is too large.
  EXPECT_EQ(window().EingF2().Text(), "(2  + x^5  )^2");
  EXPECT_EQ(window().RRR.Nn.grad(), 10);
}

}  // namespace
