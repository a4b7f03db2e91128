#include "evaluation/Ergebnisse.h"

#include <memory>

#include "CoreTest.h"
#include "TestFunctions.h"
#include "exact/Function.h"

namespace {

using ErgebnisseTest = CoreTest;

struct Analysiert {
  Auswertung::Ergebnistexte texte;
  ZeroSet kp;
  PolynomT asymptote;
  PolynomT rest;
};

class Analyse : public ErgebnisseTest {
 protected:
  // As the evaluation run does it: f carries the exact terms of its Doubles.
  void Lauf(RationalT& f, Analysiert& a) {
    f.exakt = std::make_shared<const exact::Function>(exact::Polynomial::Of(f.Zl),
                                                      exact::Polynomial::Of(f.Nn), f);
    SetzeRR(kontext, f);
    a.texte = Auswertung::Analysiere(f, a.kp, a.asymptote, a.rest);
  }
};

TEST_F(Analyse, ResultTextsPerKindOfNumerator) {
  struct Case {
    const char* why;
    Koeffizienten zl, nn;
    std::string nullstellen, luecken;
    bool asymptote;
  };
  const Case cases[] = {
      {"constant numerator over x-2",
       {5},
       {-2, 1},
       "Die Funktion mit konstantem Zähler 5 hat keine Nullstellen",
       "2",
       true},
      {"x^2+1 over x: no real zeros", {1, 0, 1}, {0, 1}, "", "0", true},
      {"a polynomial over 1: no gaps, no asymptote", {-4, 0, 1}, {1}, "-2  ,  2", "", false},
      {"(x-1) over (x-1): a zero at a gap is no zero", {-1, 1}, {-1, 1}, "", "1", true},
      {"a zero 5e-10 beside a gap is a zero", {-(1 + 5e-10), 1}, {-1, 1}, "1", "1", true},
      {"so is one 1e-6 beside it", {-(1 + 1e-6), 1}, {-1, 1}, "1", "1", true},
      {"(x-1)^2 over (x-1)^3: no zero, the pole stays", {1, -2, 1}, {-1, 3, -3, 1}, "", "1", true},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, c.zl, c.nn);
    Analysiert a;
    Lauf(f, a);
    EXPECT_EQ(a.texte.nullstellen, c.nullstellen) << c.why;
    EXPECT_EQ(a.texte.luecken, c.luecken) << c.why;
    EXPECT_EQ(a.texte.asymptoteZeigen, c.asymptote) << c.why;
    EXPECT_FALSE(a.texte.nennerAufEins) << c.why;
  }
}

TEST_F(Analyse, ZeroNumeratorMakesTheDenominatorOne) {
  RationalT f;
  Setze(f, {}, {1, 0, 1});
  Analysiert a;
  a.kp.assign({1, 2});
  Lauf(f, a);
  EXPECT_EQ(a.texte.nullstellen, "Alle reellen Zahlen sind Nullstellen der Nullfunktion");
  EXPECT_EQ(a.texte.zaehlerForm, "Alle Polynome sind Teiler des Nullpolynoms");
  EXPECT_EQ(a.texte.nennerForm, "1");
  EXPECT_EQ(a.texte.luecken, "");
  EXPECT_FALSE(a.texte.asymptoteZeigen);
  EXPECT_TRUE(a.texte.nennerAufEins);
  EXPECT_EQ(KoeffizientenVon(f.Nn), (Koeffizienten{1}));
  EXPECT_EQ(a.kp.count(), 0);
  EXPECT_EQ(KoeffizientenVon(kontext.RR[0].Nn), (Koeffizienten{1, 0, 1}))
      << "RR(0) keeps the parsed one";
}

TEST_F(Analyse, ObliqueAsymptoteAndRemainder) {
  RationalT f;
  Setze(f, {0, 0, 1}, {-1, 1});
  Analysiert a;
  Lauf(f, a);
  EXPECT_EQ(KoeffizientenVon(a.asymptote), (Koeffizienten{1, 1}));
  EXPECT_EQ(KoeffizientenVon(a.rest), (Koeffizienten{1}));
  EXPECT_EQ(a.texte.asymptote, "1  + x  ");
  EXPECT_EQ(a.texte.luecken, "1");
}

TEST_F(Analyse, StartFunction) {
  RationalT f;
  SetzeStartfunktion(f);
  Analysiert a;
  Lauf(f, a);
  EXPECT_EQ(a.texte.nullstellen, "-1.7  ,  1.7  ,  2");
  EXPECT_EQ(a.texte.luecken, "-4");
  EXPECT_EQ(a.texte.asymptote, "1  ");
  EXPECT_EQ(a.kp.count(), 9);
  bool wendepunkt = false;
  for (double x : a.kp.points()) wendepunkt = wendepunkt || std::abs(x - 2.9503) < 1e-4;
  EXPECT_TRUE(wendepunkt) << "the inflection point near 2.9503";
}

}  // namespace
