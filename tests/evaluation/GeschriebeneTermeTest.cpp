#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "CurveDiscussionWindow.h"
#include "exact/Operations.h"
#include "exact/Polynomial.h"
#include "exact/Term.h"
#include "parser/ParseChain.h"

namespace {

// The texts the program writes of functions it makes itself hold their exact terms.
class GeschriebeneTermeTest : public CurveDiscussionWindow {
 protected:
  void SetUp() override {
    CurveDiscussionWindow::SetUp();
    WaehleRundung(kRundung);
  }
  void Verschiebe(const std::string& x, const std::string& y) {
    window().xVF().SetText(x);
    window().yVF().SetText(y);
    Druecke("VerschiebeB");
  }
};

TEST_F(GeschriebeneTermeTest, TheProductWritesEveryDecimalOfItsCoefficients) {
  Analysiere("(x-0.125)^2", "1");
  Druecke("gfB");
  Analysiere("(x-0.125)^3", "x+1");
  Druecke("gmalfB");
  EXPECT_EQ(Text("EingF"),
            "- 0.000030517578125  + 0.001220703125x  - 0.01953125x^2  + 0.15625x^3  - 0.625x^4  "
            "+ x^5  ");
  EXPECT_EQ(Text("AusgF1"), " ( x-0.125)^5");
  EXPECT_EQ(Text("AusgF2"), "0.125");
  // The function list records the same text, and h brings it back as the same function.
  Druecke("RNextB1");
  while (Text("AnzeigeF").find("0.000030517578125") == std::string::npos) Druecke("RNextB1");
  Analysiere("x^2", "1");
  Druecke("RZeigB");
  EXPECT_EQ(Text("AusgF1"), " ( x-0.125)^5");
}

TEST_F(GeschriebeneTermeTest, AShiftThereAndBackGivesTheFunctionAgain) {
  Analysiere("x^10", "1");
  Verschiebe("0.123456789", "0");
  EXPECT_EQ(Text("AusgF1"), " ( x-0.123457)^10");
  Verschiebe("-0.123456789", "0");
  EXPECT_EQ(Text("EingF"), "x^10  ");
  EXPECT_EQ(Text("AusgF1"), " x^10");
}

// A rest without real zeros is its own factor, never a square by a tolerance: at six decimals
// its constant 0.0000000001 shows as 0, but no linear factor and no power appear.
TEST_F(GeschriebeneTermeTest, ARestWithoutRealZerosIsWrittenAsItself) {
  Analysiere("x^2+0.0000000001", "1");
  const Faktorzerlegung z = Zerlege(Text("AusgF1"));
  EXPECT_TRUE(z.linear.empty()) << Text("AusgF1");
  EXPECT_EQ(Text("AusgF1").find(")^"), std::string::npos) << Text("AusgF1");
  EXPECT_EQ(Text("AusgF2"), "");
  Analysiere("(x^2+0.0000000001)^2(x-1)", "1");
  EXPECT_EQ(Text("AusgF1"), "(0  + x^2  )^2 * ( x-1)");
}

// A number longer than the exact reader takes is never analysed on Doubles alone, where multiple
// zeros split: a term holding one is refused with a message, and a button whose result would hold
// one refuses it and leaves f as it was.
TEST_F(GeschriebeneTermeTest, NumbersTooLongForTheExactReaderAreRefusedWithAMessage) {
  const std::string lang = "0." + std::string(exact::kMaxNumberDigits, '3');
  const std::string zuLang =
      "Der Term enthält oder ergibt ausmultipliziert eine Zahl mit mehr als 10000 Stellen; mit so "
      "langen Zahlen rechnet das Programm nicht genau.";
  const std::string nichtLesbar = "Der Term im h-Feld ist nicht lesbar; g und h bleiben unverändert.";
  const std::string halb = "0." + std::string(exact::kMaxNumberDigits / 2, '3');
  const auto nichts = [] {};
  struct Case {
    const char* why;
    std::function<void()> vorher, schritt;
    std::string botschaft;
  };
  const Case cases[] = {
      {"a typed term", nichts, [&] { Analysiere("(x-" + lang + ")^2", "1"); }, zuLang},
      {"a typed term that is too long multiplied out", nichts,
       [&] { Analysiere("1", "(x-" + halb + "1)^2"); }, zuLang},
      {"a typed sum that carries into a longer number", nichts,
       [&] {
         const std::string neunen = "9." + std::string(exact::kMaxNumberDigits - 2, '9');
         Analysiere("x+" + neunen + "+" + neunen, "1");
       },
       zuLang},
      {"a cancellation that doubles a coefficient of the longest length", nichts,
       [&] {
         const std::string c = "5." + std::string(exact::kMaxNumberDigits - 3, '0') + "1";
         Analysiere(c + "x^3+" + c + "x^2-" + c + "x-" + c, "x-1");
       },
       exact::kZuLangeKoeffizienten},
      {"a shift of degree 20 by 501 decimals", nichts,
       [&] { Verschiebe("0." + std::string(501, '3'), "0"); }, exact::kZuLangeKoeffizienten},
      {"a vector beyond the limit", nichts, [&] { Verschiebe(lang, "0"); },
       exact::kZuLangeKoeffizienten},
      {"a product whose constant has the decimals of both factors",
       [&] {
         Analysiere("x-" + halb + "1", "1");
         Druecke("gfB");
         Analysiere("x-" + halb + "7", "1");
       },
       [&] { Druecke("gmalfB"); }, exact::kZuLangeKoeffizienten},
      {"a difference over the product of the denominators",
       [&] {
         Analysiere("1", "x-" + halb + "1");
         Druecke("gfB");
         Analysiere("1", "x-" + halb + "7");
       },
       [&] { Druecke("gmalfB1"); }, exact::kZuLangeKoeffizienten},
      {"a derivative over the square of the denominator",
       [&] { Analysiere("1", "x-" + halb + "1"); }, [&] { Druecke("g_AnzB1"); },
       exact::kZuLangeKoeffizienten},
      {"g <-> h", [&] { window().AnzeigeF().SetText("x+" + lang); }, [&] { Druecke("g_AnzB"); },
       nichtLesbar},
      {"g <-> h with a term too long multiplied out",
       [&] { window().AnzeigeF().SetText("1 / (x-" + halb + "1)^2"); }, [&] { Druecke("g_AnzB"); },
       nichtLesbar},
  };
  for (const auto& c : cases) {
    Analysiere("x^20", "1");
    c.vorher();
    const std::string f = window().RRR.Term2string();
    services.msgBoxTexts.clear();
    services.ExpectMsgBox();
    c.schritt();
    EXPECT_EQ(services.msgBoxTexts, std::vector<std::string>{c.botschaft}) << c.why;
    EXPECT_EQ(window().RRR.Term2string(), f) << c.why << ": f stays as it was";
  }
  // The typed term is refused as an unreadable one is.
  Analysiere("x^20", "1");
  services.ExpectMsgBox();
  Analysiere("x+" + lang, "1");
  EXPECT_EQ(window().EingF().TextColor(), QColor(224, 80, 0));
  EXPECT_EQ(window().EingF().Text(), "x+" + lang);
}

// The reduction report writes the common factor as exactly as the function it divides, so that
// the factor it prints divides the numerator it prints.
TEST_F(GeschriebeneTermeTest, TheReportWritesTheCommonFactorAsExactlyAsTheFunction) {
  Analysiere("(x-0.123456789)^2", "x+1");
  Druecke("gfB");
  Analysiere("x+1", "(x-0.123456789)^3");
  window().Report.clear();
  Druecke("gmalfB");
  const std::string& report = window().Report;
  const std::string vor = "Der Funktionsterm (";
  const std::string mit = ") wurde mit  ";
  const std::size_t zaehler = report.find(vor) + vor.size();
  const std::size_t faktor = report.find(mit) + mit.size();
  const std::size_t ende = report.find(" mit Nullstelle(n) ");
  ASSERT_NE(ende, std::string::npos) << report;
  EXPECT_EQ(report.substr(faktor, ende - faktor),
            "0.015241578750190521  - 0.231671999249809479x  + 0.753086422x^2  + x^3  ");
  const auto f = Parser::ExactTerm(report.substr(zaehler, report.find(") / (") - zaehler));
  const auto g = Parser::ExactTerm(report.substr(faktor, ende - faktor));
  ASSERT_TRUE(f && g) << report;
  EXPECT_TRUE(f->DividedBy(*g)) << report;
}

// A long text the program writes into a field shows its beginning: its tail, such as
// "1257205x  - 95.748" from the middle of a coefficient, reads as another number.
TEST_F(GeschriebeneTermeTest, AFieldTheProgramWritesIntoShowsTheBeginningOfItsText) {
  window().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
  const auto zeigtAnfang = [this](const char* name) {
    auto& field = control<QLineEdit>(name);
    // The field scrolls its text when it paints.
    field.grab();
    EXPECT_EQ(field.cursorPosition(), 0) << name << ": " << field.text().toStdString();
    // A text too long for its field begins at the field's left border.
    if (field.fontMetrics().horizontalAdvance(field.text()) > field.width()) {
      EXPECT_LT(field.inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 10) << name;
    }
  };
  Analysiere("(x-2)^5", "x+1");
  Verschiebe("0.123456789", "0");
  for (const char* name : {"EingF", "EingF2", "xVF", "yVF"}) zeigtAnfang(name);
  const QString path = QStringLiteral(VARELTO_SCREENSHOT_DIR "/long-texts.png");
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  EXPECT_TRUE(window().grab().save(path));
  Druecke("RZeigB");
  zeigtAnfang("AnzeigeF");
}

TEST_F(GeschriebeneTermeTest, ATypedTextStaysWhereItWasTyped) {
  auto& field = window().EingF();
  field.clear();
  const std::string typed = "x^2+0.12345678912345678912345678912345678912345678912345678912345678y";
  QTest::keyClicks(&field, QString::fromStdString(typed));
  EXPECT_EQ(field.cursorPosition(), static_cast<int>(typed.size()));
  // Refused, the text goes back into the field as it was typed, the cursor where it was.
  Druecke("PushButton1");
  EXPECT_EQ(field.TextColor(), QColor(224, 80, 0));
  EXPECT_EQ(field.cursorPosition(), static_cast<int>(typed.size()));
}

}  // namespace
