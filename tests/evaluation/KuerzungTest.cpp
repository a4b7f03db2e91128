#include "evaluation/Kuerzung.h"

#include "CoreTest.h"
#include "TestFunctions.h"
#include "algebra/TextSemantics.h"
#include "parser/ParseChain.h"

namespace {

using KuerzungTest = CoreTest;

const std::string kFF = text::Chr(12);

// Both texts read as the evaluation run reads them: through the parser into f, and exactly where
// that agrees.
Auswertung::ExakteTerme Gelesen(const char* zaehler, const char* nenner, RationalT& f) {
  bool ok = true;
  Parser::ParseChain(zaehler, f.Zl, ok);
  EXPECT_TRUE(ok) << zaehler;
  Parser::ParseChain(nenner, f.Nn, ok);
  EXPECT_TRUE(ok) << nenner;
  return {Auswertung::ExaktGelesen(zaehler, f.Zl, nullptr),
          Auswertung::ExaktGelesen(nenner, f.Nn, nullptr)};
}

// The cancellation on the Doubles alone, as for terms that could not be read exactly.
Auswertung::Kuerzung KuerzeOhneExakt(RationalT& f, std::string& report) {
  Auswertung::ExakteTerme unbekannt;
  return Auswertung::KuerzeGemeinsamenFaktor(f, report, unbekannt);
}

TEST_F(KuerzungTest, CancelsTheCommonFactor) {
  struct Case {
    const char* why;
    Koeffizienten zl, nn;
    Koeffizienten zlDanach, nnDanach;
    std::string report;
    std::vector<double> hebbar;
  };
  const Case cases[] = {
      {"x^2-1 over x-1: one removable gap",
       {-1, 0, 1},
       {-1, 1},
       {1, 1},
       {1},
       kFF + "Der Funktionsterm (- 1  + x^2  ) / (- 1  + x  ) wurde mit  - 1  + x   mit " +
           "Nullstelle(n) 1 gekürzt." + kFF + "Dadurch wurde die Funktion bei 1 stetig ergänzt.",
       {1}},
      {"(x-1)^2 over (x-1)^3: the pole stays",
       {1, -2, 1},
       {-1, 3, -3, 1},
       {1},
       {-1, 1},
       kFF + "Der Funktionsterm (1  - 2x  + x^2  ) / (- 1  + 3x  - 3x^2  + x^3  ) wurde mit  " +
           "1  - 2x  + x^2   mit Nullstelle(n) 1 gekürzt.",
       {}},
      {"x^2+1 over x^2+1: a factor without real zeros",
       {1, 0, 1},
       {1, 0, 1},
       {1},
       {1},
       kFF + "Der Funktionsterm (1  + x^2  ) / (1  + x^2  ) wurde mit  1  + x^2   gekürzt.",
       {}},
  };
  for (const auto& c : cases) {
    kontext.Report.clear();
    RationalT f;
    Setze(f, c.zl, c.nn);
    const std::string vorher = f.Term2string();
    const Auswertung::Kuerzung k = KuerzeOhneExakt(f, kontext.Report);
    EXPECT_TRUE(k.gekuerzt) << c.why;
    EXPECT_EQ(k.funktionVorher, vorher) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Zl), c.zlDanach) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Nn), c.nnDanach) << c.why;
    EXPECT_EQ(kontext.Report, c.report) << c.why;
    EXPECT_EQ(k.hebbareLuecken.points(), c.hebbar) << c.why;
    EXPECT_TRUE(kontext.KuerzReportBVisible()) << c.why;
  }
}

TEST_F(KuerzungTest, CancelsCommonFactorsOfTermsTypedMultipliedOut) {
  // Typed multiplied out, the Doubles carry rounding errors that the monic remainders of Euclid
  // amplify; the exact terms read from the same texts give the common factor and the cancelled
  // terms with their exact coefficients.
  struct Case {
    const char* why;
    const char* zaehler;
    const char* nenner;
    Koeffizienten zlDanach, nnDanach;
    std::vector<double> hebbar;
  };
  const Case cases[] = {
      {"plain gcd: (x+3.5)(x^2+2) over (x+3.5)(x-5)^3, quotients without noise digits",
       "-x^3-3.5x^2-2x-7",
       "x^4-11.5x^3+22.5x^2+137.5x-437.5",
       {-2, 0, -1},
       {-125, 75, -15, 1},
       {-3.5}},
      {"the Doubles' gcd comes out 1: the exact one is x-5",
       "x^5-4.5x^4-9.4375x^3+25.125x^2+44.4375x+16.875",
       "x^6-4x^5-3.75x^4-5.25x^3-4.75x^2-1.25x",
       {-3.375, -9.5625, -6.9375, 0.5, 1},
       {0, 0.25, 1, 1.25, 1, 1},
       {5}},
  };
  for (const auto& c : cases) {
    kontext.Report.clear();
    RationalT f;
    Auswertung::ExakteTerme exakt = Gelesen(c.zaehler, c.nenner, f);
    ASSERT_TRUE(exakt.Bekannt()) << c.why;
    const Auswertung::Kuerzung k = Auswertung::KuerzeGemeinsamenFaktor(f, kontext.Report, exakt);
    EXPECT_TRUE(k.gekuerzt) << c.why;
    ASSERT_TRUE(exakt.Bekannt()) << c.why;
    PolynomT zl;
    ASSERT_TRUE(exakt.zaehler->RoundInto(zl)) << c.why;
    EXPECT_EQ(KoeffizientenVon(zl), KoeffizientenVon(f.Zl)) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Zl), c.zlDanach) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Nn), c.nnDanach) << c.why;
    ASSERT_EQ(k.hebbareLuecken.count(), static_cast<int>(c.hebbar.size())) << c.why;
    for (std::size_t i = 0; i < c.hebbar.size(); ++i)
      EXPECT_NEAR(k.hebbareLuecken[static_cast<int>(i) + 1], c.hebbar[i], 1e-9) << c.why;
  }
}

TEST_F(KuerzungTest, RelativeGcdCancelsAFactorWrittenWith14Decimals) {
  // The program writes 1/3 as 0.33333333333333, so beside a typed 3x-1 the exact gcd is 1; the
  // relative one finds the factor, which both terms have a zero at. The exact terms no longer
  // describe the cancelled f.
  const char* zaehler = "3x^2+5x-2";
  const char* nenner = "(x-0.33333333333333)(x-4)";
  RationalT f;
  Auswertung::ExakteTerme exakt = Gelesen(zaehler, nenner, f);
  ASSERT_TRUE(exakt.Bekannt());
  const Auswertung::Kuerzung k = Auswertung::KuerzeGemeinsamenFaktor(f, kontext.Report, exakt);
  EXPECT_TRUE(k.gekuerzt);
  EXPECT_FALSE(exakt.Bekannt());
  // The typed numerator has no decimals, so neither has its quotient: no noise digits.
  EXPECT_EQ(KoeffizientenVon(f.Zl), (Koeffizienten{6, 3}));
  ASSERT_EQ(f.Nn.grad(), 1);
  EXPECT_NEAR(f.Nn.Koeff[0] / f.Nn.Koeff[1], -4, 1e-9);
  ASSERT_EQ(k.hebbareLuecken.count(), 1);
  EXPECT_NEAR(k.hebbareLuecken[1], 1.0 / 3, 1e-9);
}

TEST_F(KuerzungTest, TermsWhoseExactGcdIsOneKeepTheirFactors) {
  struct Case {
    const char* why;
    const char* zaehler;
    const char* nenner;
  };
  const Case cases[] = {
      {"Euclid on the Doubles leaves a cubic with a zero at -5.875 that neither term has",
       "x^30+x+1", "x^20+x+3"},
      {"on the Doubles the denominator vanishes at 0 by the zero tolerance, like the numerator",
       "0.5x(x-2)", "2(x-0.005)^3(x+0.01)^3"},
      {"typed zeros 1e-10 apart are no common factor, whatever the relative gcd finds",
       "(x-1)(x+2)", "(x-1.0000000001)(x+3)"},
  };
  for (const auto& c : cases) {
    kontext.Report.clear();
    RationalT f;
    Auswertung::ExakteTerme exakt = Gelesen(c.zaehler, c.nenner, f);
    const int gradZl = f.Zl.grad();
    const int gradNn = f.Nn.grad();
    ASSERT_TRUE(exakt.Bekannt()) << c.why;
    const Auswertung::Kuerzung k = Auswertung::KuerzeGemeinsamenFaktor(f, kontext.Report, exakt);
    EXPECT_FALSE(k.gekuerzt) << c.why;
    EXPECT_EQ(kontext.Report, "") << c.why;
    EXPECT_EQ(f.Zl.grad(), gradZl) << c.why;
    EXPECT_EQ(f.Nn.grad(), gradNn) << c.why;
    EXPECT_TRUE(exakt.Bekannt()) << c.why;
  }
}

TEST_F(KuerzungTest, RelativeRemaindersCancelNothingWithoutCommonZeros) {
  // Against coefficients of 1e200 the remainder 1 is relatively 0, but the numerator has no
  // real zero: the factor is not common, and f stays as it is.
  RationalT f;
  Setze(f, {1, 0, 1e200}, {1, 1e200});
  const Auswertung::Kuerzung k = KuerzeOhneExakt(f, kontext.Report);
  EXPECT_FALSE(k.gekuerzt);
  EXPECT_EQ(KoeffizientenVon(f.Zl), (Koeffizienten{1, 0, 1e200}));
  EXPECT_EQ(KoeffizientenVon(f.Nn), (Koeffizienten{1, 1e200}));
  EXPECT_EQ(kontext.Report, "");
}

TEST_F(KuerzungTest, LeavesFunctionsWithoutCancellationAlone) {
  struct Case {
    const char* why;
    Koeffizienten zl, nn;
  };
  const Case cases[] = {
      {"two linear terms: the product of the degrees is 1", {-1, 1}, {-1, 1}},
      {"a constant numerator", {5}, {-1, 0, 1}},
      {"a zero numerator", {}, {1, 0, 1}},
      {"coprime terms", {-2, 0, 1}, {1, 1}},
  };
  for (const auto& c : cases) {
    kontext.Report.clear();
    RationalT f;
    Setze(f, c.zl, c.nn);
    const Auswertung::Kuerzung k = KuerzeOhneExakt(f, kontext.Report);
    EXPECT_FALSE(k.gekuerzt) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Zl), c.zl) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Nn), c.nn) << c.why;
    EXPECT_EQ(kontext.Report, "") << c.why;
    EXPECT_FALSE(kontext.KuerzReportBVisible()) << c.why;
  }
}

TEST_F(KuerzungTest, IntegerContentOfTheRoundedCopyComesFirst) {
  RationalT f;
  Setze(f, {-2, 0, 2}, {-2, 2});
  const Auswertung::Kuerzung k = KuerzeOhneExakt(f, kontext.Report);
  EXPECT_TRUE(k.gekuerzt);
  EXPECT_EQ(text::InStr(kontext.Report, "Der Term"), 2u) << kontext.Report;
  EXPECT_EQ(KoeffizientenVon(f.Zl), (Koeffizienten{1, 1}));
  EXPECT_EQ(KoeffizientenVon(f.Nn), (Koeffizienten{1}));
}

TEST_F(KuerzungTest, DegreeSumLimitIsTwenty) {
  RationalT f;
  Koeffizienten zehn(11, 0.0);
  zehn[10] = 1;
  Koeffizienten elf(12, 0.0);
  elf[11] = 1;
  Setze(f, zehn, zehn);
  EXPECT_FALSE(Auswertung::GradsummeZuGross(f)) << "20 passes";
  Setze(f, zehn, elf);
  EXPECT_TRUE(Auswertung::GradsummeZuGross(f)) << "21 is too much";
}

}  // namespace
