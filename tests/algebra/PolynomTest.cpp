#include "algebra/PolynomT.h"

#include "CoreTest.h"
#include "TestFunctions.h"

namespace {

using PolynomTest = CoreTest;
const std::string kGradMeldung =
    "Wegen Gradüberschreitung wird als Teilergebnis das Nullpolynom eingesetzt";

TEST_F(PolynomTest, DegreeUsesTheZeroTolerance) {
  PolynomT p;
  EXPECT_EQ(p.grad(), -1);
  EXPECT_TRUE(p.IstNull());
  EXPECT_TRUE(p.IstKonstant());
  EXPECT_EQ(p.FWert(3.5), 0.0);

  p.Koeff[3] = 5e-10;
  EXPECT_EQ(p.grad(), -1);
  EXPECT_DOUBLE_EQ(p.FWert(2), 4e-9) << "coefficients below the tolerance still count in values";
  PolynomT q;
  q.KopieVon(p);
  EXPECT_EQ(q.Koeff[3], 5e-10);

  p.Koeff[3] = 1e-9;
  EXPECT_EQ(p.grad(), 3);

  Setze(p, {7});
  EXPECT_EQ(p.grad(), 0);
  EXPECT_TRUE(p.IstKonstant());
  EXPECT_FALSE(p.IstNull());
}

TEST_F(PolynomTest, ProductKeepsTheDegreeBelowFortyTwo) {
  PolynomT a, b, r;
  a.Koeff[21] = 1;
  b.Koeff[20] = 1;
  b.Koeff[0] = 1;
  r.Produkt(a, b);
  EXPECT_EQ(r.grad(), 41);
  EXPECT_TRUE(kontext.messages.empty());

  r.Koeff[0] = 5;
  r.Produkt(a, a);
  EXPECT_TRUE(r.IstNull()) << "x^21 * x^21 reaches degree 42";
  EXPECT_EQ(r.Koeff[0], 0.0);
  ASSERT_EQ(kontext.messages.size(), 1u);
  EXPECT_EQ(kontext.messages[0], kGradMeldung);

  PolynomT g42, zwei, null;
  g42.Koeff[42] = 1;
  Setze(zwei, {2});
  r.Produkt(g42, zwei);
  EXPECT_TRUE(r.IstNull());
  EXPECT_EQ(kontext.messages.size(), 2u);
  r.Produkt(g42, null);
  EXPECT_TRUE(r.IstNull());
  EXPECT_EQ(kontext.messages.size(), 2u) << "a zero factor gives no message";
}

TEST_F(PolynomTest, ReceiverMayBeAnOperand) {
  PolynomT p;
  Setze(p, {1, 1});
  p.Produkt(p, p);
  EXPECT_EQ(KoeffizientenVon(p), (std::vector<double>{1, 2, 1}));
  p.Summe(p, p);
  EXPECT_EQ(KoeffizientenVon(p), (std::vector<double>{2, 4, 2}));
  p.Abl(p);
  EXPECT_EQ(KoeffizientenVon(p), (std::vector<double>{4, 4}));
  p.Differenz(p, p);
  EXPECT_TRUE(p.IstNull());
}

TEST_F(PolynomTest, DerivativeValueAndIntegral) {
  PolynomT p, d;
  p.Koeff[42] = 2;
  p.Koeff[1] = 3;
  d.Abl(p);
  EXPECT_EQ(d.grad(), 41);
  EXPECT_EQ(d.Koeff[41], 84.0);
  EXPECT_EQ(d.Koeff[0], 3.0);
  Setze(p, {4});
  d.Abl(p);
  EXPECT_TRUE(d.IstNull());

  Setze(p, {-1, 0, 1});
  EXPECT_EQ(p.FWert(3), 8.0);
  Setze(p, {1});
  p.Koeff[42] = 1;
  EXPECT_EQ(p.Integral(0, 1), 1.0) << "the x^42 term has no antiderivative within 43 slots";
  Setze(p, {0, 0, 3});
  EXPECT_EQ(p.Integral(1, 2), 7.0);
}

TEST_F(PolynomTest, SwitchExchangesCoefficientsOnly) {
  PolynomT p, q;
  Setze(p, {1, 2});
  Setze(q, {3});
  p.xmin = 5;
  p.switch_(q);
  EXPECT_EQ(KoeffizientenVon(p), (std::vector<double>{3}));
  EXPECT_EQ(KoeffizientenVon(q), (std::vector<double>{1, 2}));
  EXPECT_EQ(p.xmin, 5.0);
  EXPECT_EQ(q.xmin, 0.0);
  p.switch_(p);
  EXPECT_EQ(KoeffizientenVon(p), (std::vector<double>{3}));
}

TEST_F(PolynomTest, SMalNullenEinsen) {
  PolynomT p, q;
  Setze(p, {1, -2, 0.5});
  q.SMal(-2, p);
  EXPECT_EQ(KoeffizientenVon(q), (std::vector<double>{-2, 4, -1}));
  q.Einsen();
  EXPECT_EQ(KoeffizientenVon(q), (std::vector<double>{1}));
  q.Nullen();
  EXPECT_EQ(q.grad(), -1);
}

}  // namespace
