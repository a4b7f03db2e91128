#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CurveDiscussionWindow.h"
#include "exact/Function.h"
#include "funclist/core/Register.h"
#include "parser/ParseChain.h"

namespace {

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::stringstream in(s);
  for (std::string p; std::getline(in, p, sep);) parts.push_back(p);
  return parts;
}

std::vector<double> Zahlen(const std::string& s) {
  std::vector<double> v;
  for (const std::string& p : Split(s, ' '))
    if (!p.empty()) v.push_back(std::stod(p));
  return v;
}

std::vector<std::pair<double, int>> Faktoren(const std::string& s) {
  std::vector<std::pair<double, int>> v;
  for (const std::string& p : Split(s, ' ')) {
    if (p.empty()) continue;
    const std::size_t colon = p.find(':');
    v.emplace_back(std::stod(p.substr(0, colon)), std::stoi(p.substr(colon + 1)));
  }
  return v;
}

// School functions as a student types them, with their exact curve discussion; see
// data/make_school_functions.py for how the rows are made.
std::vector<Kurvendiskussion> Schulfunktionen() {
  std::ifstream in(VARELTO_SCHOOL_FUNCTIONS);
  std::vector<Kurvendiskussion> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> c = Split(line, '\t');
    c.resize(14);
    rows.push_back({c[0], c[1], c[2], Zahlen(c[3]), Zahlen(c[4]), Zahlen(c[5]), Zahlen(c[6]),
                    Faktoren(c[7]), Faktoren(c[8]), c[9] == "1", c[10] == "1", Zahlen(c[11]),
                    Zahlen(c[12]), Zahlen(c[13])});
  }
  return rows;
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
