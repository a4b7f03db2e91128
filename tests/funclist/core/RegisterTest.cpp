#include "funclist/core/Register.h"

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "TestFunctions.h"

namespace {

// A rational function whose numerator and denominator have the given degrees (-1: zero).
void MitGraden(RationalT& r, int zaehler, int nenner) {
  r.Zl.Nullen();
  r.Nn.Nullen();
  if (zaehler >= 0) r.Zl.Koeff[zaehler] = 1;
  if (nenner >= 0) r.Nn.Koeff[nenner] = 1;
}

class RegisterTest : public CoreTest {};

TEST_F(RegisterTest, DegreeLimitsAtTheirBoundaries) {
  using Pruefung = bool (*)(const RationalT&, const RationalT&);
  struct Case {
    const char* why;
    Pruefung zuGross;
    int fZl, fNn, gZl, gNn;
    bool refused;
  };
  const Case cases[] = {
      {"product sum 21 accepted", Register::ProduktZuGross, 10, 5, 4, 2, false},
      {"product sum 22 refused", Register::ProduktZuGross, 10, 5, 4, 3, true},
      {"a zero numerator counts -1", Register::ProduktZuGross, -1, 12, 10, 0, false},
      {"difference sum 42 accepted", Register::DifferenzZuGross, 20, 1, 20, 1, false},
      {"difference sum 43 refused", Register::DifferenzZuGross, 20, 2, 20, 1, true},
      {"partial products at 41 accepted", Register::DifferenzTeilprodukteZuGross, 20, 20, 21, 21,
       false},
      {"g.Zl * f.Nn of 42 refused", Register::DifferenzTeilprodukteZuGross, 0, 21, 21, 0, true},
      {"g.Nn * f.Zl of 42 refused", Register::DifferenzTeilprodukteZuGross, 21, 0, 0, 21, true},
      {"g.Nn * f.Nn of 42 refused", Register::DifferenzTeilprodukteZuGross, 0, 20, 0, 22, true},
  };
  for (const auto& c : cases) {
    RationalT f;
    RationalT g;
    MitGraden(f, c.fZl, c.fNn);
    MitGraden(g, c.gZl, c.gNn);
    // The partial-product test takes g first, as g - f does.
    const bool refused =
        c.zuGross == Register::DifferenzTeilprodukteZuGross ? c.zuGross(g, f) : c.zuGross(f, g);
    EXPECT_EQ(refused, c.refused) << c.why;
  }
}

TEST_F(RegisterTest, DerivativeLimit) {
  struct Case {
    const char* why;
    int zl, nn;
    bool refused;
  };
  const Case cases[] = {
      {"sum 15 accepted", 10, 5, false},
      {"sum 16 refused", 10, 6, true},
      {"the zero numerator counts -1", -1, 16, false},
  };
  for (const auto& c : cases) {
    RationalT f;
    MitGraden(f, c.zl, c.nn);
    EXPECT_EQ(Register::AbleitungZuGross(f), c.refused) << c.why;
  }
}

TEST_F(RegisterTest, SplittingAtTheFirstSlash) {
  struct Case {
    const char* why;
    std::string t;
    std::string links, rechts;
  };
  const Case cases[] = {
      {"empty h is an empty numerator over 1", "", "", "1"},
      {"no slash: the whole text over 1", "x^2 + 1", "x^2 + 1", "1"},
      {"a function text keeps its blanks", "(1  + x  ) / x  ", "(1  + x  ) ", " x  "},
      {"a second slash stays in the denominator", "a/b/c", "a", "b/c"},
      {"slash at the end gives an empty denominator", "x/", "x", ""},
  };
  for (const auto& c : cases) {
    const auto h = Register::AmBruchstrichTeilen(c.t);
    EXPECT_EQ(h.links, c.links) << c.why;
    EXPECT_EQ(h.rechts, c.rechts) << c.why;
  }
}

TEST_F(RegisterTest, ReadingHThroughTheWholeParser) {
  struct Case {
    const char* why;
    std::string h;
    bool gelesen;
    std::vector<double> zl, nn;
    std::int32_t np;
  };
  const Case cases[] = {
      {"a function text the program wrote", "(1  + x  ) / x  ", true, {1, 1}, {0, 1}, 1},
      {"bracketed factors and powers", "(x+1)(x-1) / (x+2)^2", true, {-1, 0, 1}, {4, 4, 1}, 1},
      {"the zero function has exponent 0", "0 / 1  ", true, {}, {1}, 0},
      {"an empty h is the zero function", "", true, {}, {1}, 0},
      {"no slash: over 1", "x^2", true, {0, 0, 1}, {1}, 1},
      {"tabs are blanks", "x\t/\t(x+3)\t", true, {0, 1}, {3, 1}, 1},
      {"x followed by a digit", "x2 / 1", false, {}, {}, 0},
      {"a refused denominator", "x / 2x2", false, {}, {}, 0},
      {"a zero denominator", "x / 0", false, {}, {}, 0},
      {"an empty denominator is zero", "x /", false, {}, {}, 0},
      {"a bracket closed before it opens", "x) / x", false, {}, {}, 0},
  };
  for (const auto& c : cases) {
    RationalT g;
    Setze(g.Zl, {5});
    Setze(g.Nn, {0, 0, 7});
    g.Np = 3;
    EXPECT_EQ(Register::HLesen(c.h, g), c.gelesen) << c.why;
    if (c.gelesen) {
      EXPECT_EQ(KoeffizientenVon(g.Zl), c.zl) << c.why;
      EXPECT_EQ(KoeffizientenVon(g.Nn), c.nn) << c.why;
      EXPECT_EQ(g.Np, c.np) << c.why;
    } else {
      EXPECT_EQ(KoeffizientenVon(g.Zl), (std::vector<double>{5})) << c.why;
      EXPECT_EQ(KoeffizientenVon(g.Nn), (std::vector<double>{0, 0, 7})) << c.why;
      EXPECT_EQ(g.Np, 3) << c.why;
    }
  }
}

TEST_F(RegisterTest, DenominatorTextShowsThePower) {
  const std::string t = "1  + x  ";
  EXPECT_EQ(Register::NennerText(t, 1), t);
  EXPECT_EQ(Register::NennerText(t, 2), "(" + t + ")^2");
  EXPECT_EQ(Register::NennerText("3  ", 0), "3  ");
}

}  // namespace
