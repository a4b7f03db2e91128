#include <string>
#include <vector>

#include "CurveDiscussionTable.h"
#include "CurveDiscussionWindow.h"
#include "exact/Function.h"
#include "funclist/core/Register.h"
#include "parser/ParseChain.h"

namespace {

// School functions as a student types them, with their exact curve discussion; see
// data/make_school_functions.py for how the rows are made.
std::vector<Kurvendiskussion> Schulfunktionen() {
  return Tabelle(VARELTO_SCHOOL_FUNCTIONS);
}

// Noise digits of an inexact division show as long mantissas; the exact coefficients of these
// functions need at most 12 significant digits.
bool HatRauschziffern(const std::string& term) {
  int ziffern = 0;
  bool fuehrend = true;
  for (char c : term) {
    if (c >= '1' && c <= '9') fuehrend = false;
    if (c >= '0' && c <= '9') {
      ziffern += !fuehrend;
      if (ziffern > 12) return true;
    } else if (c != '.') {
      ziffern = 0;
      fuehrend = true;
    }
  }
  return false;
}

using SchulfunktionenTest = CurveDiscussionWindow;

TEST_F(SchulfunktionenTest, EveryRowShowsItsExactCurveDiscussionAtSixDecimals) {
  const std::vector<Kurvendiskussion> rows = Schulfunktionen();
  ASSERT_GE(rows.size(), 880u);
  WaehleRundung(kRundung);
  int falsch = 0;
  for (const Kurvendiskussion& s : rows) {
    std::vector<std::string> d = Abweichungen(s);
    if (HatRauschziffern(Text("EingF"))) d.push_back("numerator field " + Text("EingF"));
    if (HatRauschziffern(Text("EingF2"))) d.push_back("denominator field " + Text("EingF2"));
    falsch += !d.empty();
    std::string alle;
    for (const std::string& a : d) alle += "\n  " + a;
    EXPECT_TRUE(d.empty()) << s.name << ": " << s.zaehler << " / " << s.nenner << alle;
  }
  EXPECT_EQ(falsch, 0) << "of " << rows.size() << " school functions";
}

// Every term text the program writes of these functions reads back as the same exact terms: the
// term fields, read again by "OK", and the function text that the list, its file and h hold.
TEST_F(SchulfunktionenTest, TheTermTextsTheProgramWritesReadBackAsTheSameExactTerms) {
  int exakt = 0;
  for (const Kurvendiskussion& s : Schulfunktionen()) {
    Analysiere(s.zaehler, s.nenner);
    const std::shared_ptr<const exact::Function> f = window().RRR.exakt;
    if (!f || !f->Describes(window().RRR)) continue;
    ++exakt;
    const std::string text = window().RRR.Term2string();
    if (f->Numerator().Decimals(2400) >= 0 && f->Denominator().Decimals(2400) >= 0) {
      RationalT g;
      ASSERT_TRUE(Register::HLesen(text, g)) << text;
      ASSERT_TRUE(g.exakt) << s.name << ": " << text;
      EXPECT_TRUE(g.exakt->Numerator() == f->Numerator() &&
                  g.exakt->Denominator() == f->Denominator())
          << s.name << ": " << text;
    }
    Druecke("PushButton1");
    const std::shared_ptr<const exact::Function> wieder = window().RRR.exakt;
    ASSERT_TRUE(wieder && wieder->Describes(window().RRR)) << s.name;
    EXPECT_TRUE(wieder->Numerator() == f->Numerator() && wieder->Denominator() == f->Denominator())
        << s.name << ": " << Text("EingF") << " / " << Text("EingF2");
    EXPECT_EQ(window().RRR.Term2string(), text) << s.name;
  }
  EXPECT_GE(exakt, 880);
}

}  // namespace
