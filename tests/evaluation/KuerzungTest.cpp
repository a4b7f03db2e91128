#include "evaluation/Kuerzung.h"

#include "CoreTest.h"
#include "TestFunctions.h"
#include "algebra/TextSemantics.h"

namespace {

using KuerzungTest = CoreTest;

const std::string kFF = text::Chr(12);

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
    const Auswertung::Kuerzung k = Auswertung::KuerzeGemeinsamenFaktor(f, kontext.Report);
    EXPECT_TRUE(k.gekuerzt) << c.why;
    EXPECT_EQ(k.funktionVorher, vorher) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Zl), c.zlDanach) << c.why;
    EXPECT_EQ(KoeffizientenVon(f.Nn), c.nnDanach) << c.why;
    EXPECT_EQ(kontext.Report, c.report) << c.why;
    EXPECT_EQ(k.hebbareLuecken.points(), c.hebbar) << c.why;
    EXPECT_TRUE(kontext.KuerzReportBVisible()) << c.why;
  }
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
    const Auswertung::Kuerzung k = Auswertung::KuerzeGemeinsamenFaktor(f, kontext.Report);
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
  const Auswertung::Kuerzung k = Auswertung::KuerzeGemeinsamenFaktor(f, kontext.Report);
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
