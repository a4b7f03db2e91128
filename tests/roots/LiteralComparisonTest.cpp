#include <cstdint>

#include "GeneratedPolynomials.h"
#include "LiteralReference.h"
#include "RootsTestSupport.h"
#include "exact/SquareFree.h"
#include "roots/KritischePunkte.h"
#include "roots/Nullstellen.h"

namespace {

using LiteralComparisonTest = CoreTest;

TEST_F(LiteralComparisonTest, FastRootFinderGivesTheLiteralZeroSetsBitForBit) {
  const std::vector<GeneratedPolynomial> corpus = ComparisonCorpus();
  ASSERT_GE(corpus.size(), 300u);
  int degree42 = 0;
  for (const auto& g : corpus) {
    PolynomT p;
    Setze(p, g);
    degree42 += p.grad() == 42;
    ZeroSet fast;
    ZeroSet reference;
    std::int64_t evaluations = 0;
    Analyse::FindeNullstellen(p, fast);
    literal::FindeNullstellen(p, reference, evaluations);
    // Double equality: -0 and 0 count as equal, every other bit must match.
    EXPECT_EQ(fast.a, reference.a) << g.name;
  }
  EXPECT_GE(degree42, 3);
}

// The polynomials of the corpus read as exact ones, each square-free factor searched with exact
// signs.
TEST_F(LiteralComparisonTest, ExactSignsGiveTheLiteralZeroSetsBitForBit) {
  int factors = 0;
  for (const auto& g : ComparisonCorpus()) {
    PolynomT p;
    Setze(p, g);
    for (const exact::SquareFreeFactor& f : exact::SquareFree(exact::Polynomial::Of(p))) {
      const exact::Cascade cascade(f.factor);
      ZeroSet fast;
      ZeroSet reference;
      std::int64_t evaluations = 0;
      Analyse::FindeNullstellen(cascade, fast, evaluations);
      literal::FindeNullstellen(cascade, reference, evaluations);
      EXPECT_EQ(fast.a, reference.a) << g.name;
      ++factors;
    }
  }
  EXPECT_GE(factors, 300);
}

TEST_F(LiteralComparisonTest, FactorForms) {
  for (const int stellenzahl : {1, 6}) {
    kontext.Stellenzahl = stellenzahl;
    for (const auto& g : ComparisonCorpus()) {
      PolynomT p;
      Setze(p, g);
      if (p.grad() > 20) continue;
      std::int64_t evaluations = 0;
      EXPECT_EQ(p.Faktorform(), literal::Faktorform(p, evaluations)) << g.name;
    }
  }
}

TEST_F(LiteralComparisonTest, CriticalPointsAndPlotRangeOfSchoolFunctions) {
  for (const SchoolFunction& s : SchoolFunctions(60)) {
    RationalT f;
    Setze(f.Zl, s.zl);
    Setze(f.Nn, s.nn);
    SetzeRR(kontext, f);
    ZeroSet fast;
    ZeroSet reference;
    std::int64_t evaluations = 0;
    Analyse::FindeKP(f, fast);
    literal::FindeKP(f, reference, evaluations);
    EXPECT_EQ(fast.a, reference.a) << s.zl.name;

    RationalT g;
    g.KopieVon(f);
    f.EckenErmitteln();
    literal::EckenErmitteln(g, evaluations);
    EXPECT_EQ(f.xmin, g.xmin) << s.zl.name;
    EXPECT_EQ(f.xmax, g.xmax) << s.zl.name;
    EXPECT_EQ(f.ymin, g.ymin) << s.zl.name;
    EXPECT_EQ(f.ymax, g.ymax) << s.zl.name;
  }
}

TEST_F(LiteralComparisonTest, StartFunction) {
  RationalT f;
  SetzeStartfunktion(f);
  SetzeRR(kontext, f);
  for (const PolynomT* p : {&f.Zl, &f.Nn, &kontext.RR[1].Zl, &kontext.RR[2].Zl}) {
    ZeroSet fast;
    ZeroSet reference;
    std::int64_t evaluations = 0;
    Analyse::FindeNullstellen(*p, fast);
    literal::FindeNullstellen(*p, reference, evaluations);
    EXPECT_EQ(fast.a, reference.a) << p->Term2String();
  }
}

}  // namespace
