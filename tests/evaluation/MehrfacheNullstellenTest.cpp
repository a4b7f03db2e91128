#include <string>
#include <vector>

#include "CurveDiscussionWindow.h"

namespace {

// Zeros and poles of high multiplicity and close to each other, with values computed exactly
// once (sympy) and written here.
struct Fall {
  Kurvendiskussion erwartet;
  // The degree sum above 20 only skips the integer-content reduction: f is still analysed.
  bool gradsummeZuGross = false;
  // The whole factor form of the numerator, where the row gives it; one that begins with a linear
  // factor begins with a blank.
  const char* zaehlerForm = nullptr;
};

using MehrfacheNullstellenTest = CurveDiscussionWindow;

TEST_F(MehrfacheNullstellenTest, EveryRowShowsItsExactCurveDiscussionAtSixDecimals) {
  const Fall faelle[] = {
      {.erwartet = {.name = "tenfold zeros at -1 and 1",
                    .zaehler = "(x^2-1)^10",
                    .nenner = "1",
                    .nullstellen = {-1, 1},
                    .kritisch = {-1, -0.22941573387056177, 0, 0.22941573387056177, 1},
                    .zaehlerFaktoren = {{-1, 10}, {1, 10}},
                    .fWerte = {0, 0.58235665322993957, 1, 0.58235665322993957, 0},
                    .f1Werte = {0, 2.8204820005865177, 0, -2.8204820005865177, 0},
                    .f2Werte = {0, 0, -20, 0, 0}},
       .zaehlerForm = " ( x + 1)^10 * ( x-1)^10"},
      {.erwartet = {.name = "twelvefold zeros, a degree sum above 20",
                    .zaehler = "(x^2-1)^12",
                    .nenner = "1",
                    .nullstellen = {-1, 1},
                    .kritisch = {-1, -0.20851441405707477, 0, 0.20851441405707477, 1},
                    .zaehlerFaktoren = {{-1, 12}, {1, 12}},
                    .fWerte = {0, 0.58659470395788604, 1, 0.58659470395788604, 0},
                    .f1Werte = {0, 3.068955679254024, 0, -3.068955679254024, 0},
                    .f2Werte = {0, 0, -24, 0, 0}},
       .gradsummeZuGross = true},
      {.erwartet = {.name = "eightfold zeros at 1 and 2",
                    .zaehler = "(x-1)^8(x-2)^8",
                    .nenner = "1",
                    .nullstellen = {1, 2},
                    .kritisch = {1, 1.3709005551264195, 1.5, 1.6290994448735805, 2},
                    .zaehlerFaktoren = {{1, 8}, {2, 8}},
                    .fWerte = {0, 8.7864670019814059e-06, 0.0000152587890625,
                               8.7864670019814059e-06, 0},
                    .f1Werte = {0, 7.7782492275828562e-05, 0, -7.7782492275828562e-05, 0},
                    .f2Werte = {0, 0, -0.0009765625, 0, 0}}},
      {.erwartet = {.name = "a double zero 0.001 beside a simple one",
                    .zaehler = "(x-1)^2(x-1.001)",
                    .nenner = "1",
                    .nullstellen = {1, 1.001},
                    .kritisch = {1, 1.0003333333333333, 1.0006666666666666, 1.001},
                    .zaehlerFaktoren = {{1, 2}, {1.001, 1}},
                    .fWerte = {0, -7.4074074074074071e-11, -1.4814814814814814e-10, 0},
                    .f1Werte = {0, -3.3333333333333335e-07, 0, 0.000001},
                    .f2Werte = {-0.002, 0, 0.002, 0.004}}},
      {.erwartet = {.name = "3x+25 cancels among multiple zeros of degree 11",
                    .zaehler = "2(3x+25)(x-7)(x+6.75)^2(x+4)^3(x+6.25)^2(x^2+3)",
                    .nenner = "6x^3+26x^2-122x+650",
                    .nullstellen = {-6.75, -6.25, -4, 7},
                    .hebbar = {-8.3333333333333339},
                    .kritisch = {-6.75, -6.6603676546597708, -6.5208188930334483,
                                 -6.377278014370396, -6.25, -5.5925605170908224,
                                 -5.0939698374921178, -4.5969585365928065, -4, 3.878647930607424,
                                 5.469976301438523, 7},
                    .zaehlerFaktoren = {{-6.75, 2}, {-6.25, 2}, {-4, 3}, {7, 1}},
                    .zaehlerRest = true,
                    .nennerRest = true,
                    .fWerte = {0, 0.19619589828044803, 0.46541747683000045, 0.22307741043315832, 0,
                               15.147083185187487, 28.317364031762665, 14.358832455624187, 0,
                               -25477689.791291997, -41700992.387572438, 0},
                    .f1Werte = {0, 3.1712631603643668, 0, -2.6244765382763515, 0,
                                41.024546534116077, 0, -44.550590079295503, 0, -14676786.089897061,
                                0, 67567777.653952211},
                    .f2Werte = {81.149968327702709, 0, -30.644781854083497, 0, 41.189396099452551,
                                0, -135.0936252022955, 0, 0, 0, 21873075.554448102,
                                73545949.83361268}}},
      {.erwartet = {.name = "x-7 cancels; the triple zero -4.25 is one critical x",
                    .zaehler = "2(x-7)(x-1.6)(x+4.25)^3(x+9)(x^2-4x+13)",
                    .nenner = "5x^5+19.375x^4-256.875x^3-888.4375x^2+581.875x-2985.9375",
                    .nullstellen = {-9, -4.25, 1.6},
                    .luecken = {-7, -4.875},
                    .hebbar = {7},
                    .kritisch = {-9.2455019019697069, -9, -5.146656900259269, -4.25,
                                 -1.0415133364901672, -0.060537719280958739, 0.94085698152558617,
                                 1.6, 2.8051628720992299},
                    .zaehlerFaktoren = {{-9, 1}, {-4.25, 3}, {1.6, 1}},
                    .nennerFaktoren = {{-7, 1}, {-4.875, 1}},
                    .zaehlerRest = true,
                    .nennerRest = true,
                    .fWerte = {-18.849305016100423, 0, -26.204974157801789, 0, -47.969557489113889,
                               -67.506837225007374, -32.869445313930257, 0, 33.852066255893661},
                    .f1Werte = {76.480117841963491, 77.409516789516786, 0, 0, -28.135627445084584,
                                0, 56.090269510455904, 40.356603294439566, 22.507414961559345},
                    .f2Werte = {0, 8.1559144643862087, -263.32305601401521, 0, 0,
                                68.642456321597393, 0, -31.214499554712724, 0}}},
      {.erwartet = {.name = "a triple and a double zero 0.002 apart over a double pole",
                    .zaehler = "(x-1.25)^3(x-1.252)^2",
                    .nenner = "(x+0.5)^2",
                    .nullstellen = {1.25, 1.252},
                    .luecken = {-0.5},
                    .kritisch = {-1.6671997807017378, 1.25, 1.2507098405122219, 1.2511997807017379,
                                 1.2516897483035376, 1.252},
                    .zaehlerFaktoren = {{1.25, 3}, {1.252, 2}},
                    .nennerFaktoren = {{-0.5, 2}},
                    .fWerte = {-155.287235184, 0, 1.9424095337151176e-16, 3.6062204297504263e-16,
                               1.5134915846636931e-16, 0},
                    .f1Werte = {0, 0, 5.1958738972884313e-13, 0, -7.0711966575492232e-13, 0},
                    .f2Werte = {-136.78125256955067, 0, 0, -1.8778966556170316e-09, 0,
                                5.2125685452763701e-09}}},
      {.erwartet = {.name = "two fourfold zeros 0.005 apart",
                    .zaehler = "(x+0.5)^4(x+0.505)^4",
                    .nenner = "x^2+1",
                    .nullstellen = {-0.505, -0.5},
                    .kritisch = {-0.505, -0.50344429656947332, -0.50249937313237669,
                                 -0.50155447528200992, -0.5},
                    .zaehlerFaktoren = {{-0.505, 4}, {-0.5, 4}},
                    .nennerRest = true,
                    .fWerte = {0, 6.5765820848323457e-22, 1.218260819060437e-21,
                               6.5751575867778956e-22, 0},
                    .f1Werte = {0, 9.2772374818806801e-19, 0, -9.2807550982179871e-19, 0},
                    .f2Werte = {0, 0, -1.5593753034942183e-15, 0, 0}}},
      {.erwartet = {.name = "three poles 0.001 apart",
                    .zaehler = "x+2.375",
                    .nenner = "(x+1.875)^3(x+1.874)^2(x+1.873)",
                    .nullstellen = {-2.375},
                    .luecken = {-1.875, -1.874, -1.873},
                    .kritisch = {-2.5752663046087045, -2.4751331485380303, -2.375,
                                 -1.8744343561679935, -1.8732324952939763},
                    .zaehlerFaktoren = {{-2.375, 1}},
                    .nennerFaktoren = {{-1.875, 3}, {-1.874, 2}, {-1.873, 1}},
                    .fWerte = {-1.6886919027452263, -2.1291248747237477, 0, -1.0220752692882072e+19,
                               -6.6350551211593331e+17},
                    .f1Werte = {-6.0230203842850143, 0, 63.490802746123251, 0, 0},
                    .f2Werte = {0, 176.95547738418358, 1521.7536350919549, -2.0914946000061018e+26,
                                -1.5164749004468751e+25}}},
      {.erwartet = {.name = "0.0225 cancels beside double poles; f' = 0 at 0.081143",
                    .zaehler = "x^2-0.0125x-0.000225",
                    .nenner = "(x-0.0225)(x-0.075)^2(x-0.0875)^2",
                    .nullstellen = {-0.01},
                    .luecken = {0.075, 0.0875},
                    .hebbar = {0.0225},
                    .kritisch = {-0.070627645264704997, -0.040309551815230514, -0.01,
                                 0.081142885148563854},
                    .zaehlerFaktoren = {{-0.01, 1}},
                    .nennerFaktoren = {{0.075, 2}, {0.0875, 2}},
                    .fWerte = {-114.33190477969394, -139.54758416793155, 0, 59766505.76176215},
                    .f1Werte = {-1130.4613041927112, 0, 14559.716449522146, 0},
                    .f2Werte = {0, 113826.05911774377, 1282484.8275295524, 6118290988216.7441}}},
  };
  WaehleRundung(kRundung);
  for (const Fall& c : faelle) {
    const Kurvendiskussion& s = c.erwartet;
    services.msgBoxTexts.clear();
    if (c.gradsummeZuGross) services.ExpectMsgBox();
    std::vector<std::string> d = Abweichungen(s);
    std::vector<std::string> meldungen;
    if (c.gradsummeZuGross) meldungen.push_back("Die Gradsumme von Zähler und Nenner ist zu groß");
    if (services.msgBoxTexts != meldungen) {
      std::string gezeigt;
      for (const std::string& m : services.msgBoxTexts) gezeigt += " \"" + m + "\"";
      d.push_back("messages" + gezeigt);
    }
    if (c.zaehlerForm && Text("AusgF1") != c.zaehlerForm)
      d.push_back("numerator form " + Text("AusgF1"));
    std::string alle;
    for (const std::string& a : d) alle += "\n  " + a;
    EXPECT_TRUE(d.empty()) << s.name << ": " << s.zaehler << " / " << s.nenner << alle;
  }
}

}  // namespace
