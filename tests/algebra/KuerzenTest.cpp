#include "algebra/RationalT.h"

#include "CoreTest.h"
#include "TestFunctions.h"
#include "algebra/TextSemantics.h"

namespace {

using KuerzenTest = CoreTest;

const std::string kFF = text::Chr(12);

TEST_F(KuerzenTest, InNKuerzenWritesItsEntryAfterDividing) {
  RationalT f;
  Setze(f, {4, 6}, {8, 0, 2});
  f.InNKuerzen();
  EXPECT_EQ(KoeffizientenVon(f.Zl), (Koeffizienten{2, 3}));
  EXPECT_EQ(KoeffizientenVon(f.Nn), (Koeffizienten{4, 0, 1}));
  EXPECT_EQ(f.Np, 1);
  EXPECT_EQ(kontext.Report, kFF + "Der Term (2  + 3x  ) / (4  + x^2  ) wurde mit 2 gekürzt." + kFF);
  EXPECT_TRUE(kontext.KuerzReportBVisible());

  std::string report;
  f.Kuerzen(report);
  EXPECT_EQ(report, "") << "nothing left to reduce";
}

TEST_F(KuerzenTest, KuerzenWritesItsEntryBeforeDividing) {
  RationalT f;
  Setze(f, {4, 6}, {8, 0, 2});
  std::string report = "vorher";
  f.Kuerzen(report);
  EXPECT_EQ(KoeffizientenVon(f.Zl), (Koeffizienten{2, 3}));
  EXPECT_EQ(KoeffizientenVon(f.Nn), (Koeffizienten{4, 0, 1}));
  EXPECT_EQ(report, "vorher" + kFF +
                        "Der Funktionsterm (4  + 6x  ) / (8  + 2x^2  ) wurde durch Kürzen mit 2 "
                        "vereinfacht");
  EXPECT_TRUE(kontext.KuerzReportBVisible());
  EXPECT_EQ(kontext.Report, "") << "Kuerzen writes only into the report it is given";
}

TEST_F(KuerzenTest, NothingToReduce) {
  struct Case {
    const char* why;
    std::initializer_list<double> zl, nn;
  };
  const Case cases[] = {
      {"content 1", {1, 1}, {2}},
      {"not integral", {0, 0.5}, {1, 1}},
      {"coefficient 2.5", {2.5, 5}, {5}},
      {"unit coefficients", {-1, 0, 1}, {0, 1}},
  };
  for (const auto& c : cases) {
    RationalT f;
    Setze(f, c.zl, c.nn);
    const std::string before = f.Term2string();
    std::string report;
    f.Kuerzen(report);
    f.InNKuerzen();
    EXPECT_EQ(f.Term2string(), before) << c.why;
    EXPECT_EQ(report, "") << c.why;
    EXPECT_EQ(kontext.Report, "") << c.why;
    EXPECT_FALSE(kontext.KuerzReportBVisible()) << c.why;
  }
}

TEST_F(KuerzenTest, ZeroNumeratorAndNearlyIntegralCoefficients) {
  RationalT f;
  Setze(f, {}, {4, 2});
  f.InNKuerzen();
  EXPECT_EQ(KoeffizientenVon(f.Nn), (Koeffizienten{2, 1}));

  Setze(f, {}, {4, 2});
  std::string report;
  f.Kuerzen(report);
  EXPECT_EQ(KoeffizientenVon(f.Nn), (Koeffizienten{2, 1}));

  for (int pass = 0; pass < 2; ++pass) {
    Setze(f, {3, 3.00000000004}, {6});
    if (pass == 0) {
      f.InNKuerzen();
    } else {
      f.Kuerzen(report);
    }
    EXPECT_EQ(f.Zl.Koeff[1], 3.00000000004 / 3) << "the receiver's own coefficient is divided";
    EXPECT_EQ(f.Nn.Koeff[0], 2.0);
  }
}

}  // namespace
