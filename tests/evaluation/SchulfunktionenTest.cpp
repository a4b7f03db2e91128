#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "EvaluationWindow.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "evaluation/Wertetabelle.h"

namespace {

// One school function as a student types it, with its exact curve discussion; see
// data/make_school_functions.py for how the rows are made.
struct Schulfunktion {
  std::string name, zaehler, nenner;
  std::vector<double> nullstellen, luecken, hebbar, kritisch;
  std::vector<std::pair<double, int>> zaehlerFaktoren, nennerFaktoren;
  bool zaehlerRest = false, nennerRest = false;
};

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

std::vector<Schulfunktion> Schulfunktionen() {
  std::ifstream in(VARELTO_SCHOOL_FUNCTIONS);
  std::vector<Schulfunktion> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> c = Split(line, '\t');
    c.resize(11);
    rows.push_back({c[0], c[1], c[2], Zahlen(c[3]), Zahlen(c[4]), Zahlen(c[5]), Zahlen(c[6]),
                    Faktoren(c[7]), Faktoren(c[8]), c[9] == "1", c[10] == "1"});
  }
  return rows;
}

ZeroSet Menge(const std::vector<double>& points) {
  ZeroSet z;
  z.assign(points);
  return z;
}

// The numbers of a number list text, in their order.
std::vector<double> GelesenAus(const std::string& liste) {
  std::vector<double> v;
  for (std::size_t p = 0; p < liste.size();) {
    const std::size_t e = std::min(liste.find("  ,  ", p), liste.size());
    v.push_back(text::Val(liste.substr(p, e - p)));
    p = e + 5;
  }
  return v;
}

// The pieces of a factor form: the rest text in front (empty when there is none), the linear
// factors, and the constant factor behind (empty when there is none).
struct Faktorzerlegung {
  std::string rest;
  std::vector<std::string> linear;
  std::string konstante;
};

Faktorzerlegung Zerlege(const std::string& form) {
  Faktorzerlegung z;
  std::vector<std::string> pieces;
  for (std::size_t p = 0;;) {
    const std::size_t e = form.find(" * ", p);
    pieces.push_back(form.substr(p, e == std::string::npos ? std::string::npos : e - p));
    if (e == std::string::npos) break;
    p = e + 3;
  }
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    std::string t = pieces[i];
    if (!t.empty() && t[0] == ' ') t.erase(0, 1);
    if (t.rfind("( x", 0) == 0 || t == "x" || t.rfind("x^", 0) == 0) {
      z.linear.push_back(t);
    } else if (i == 0) {
      z.rest = t;
    } else {
      z.konstante = t;
    }
  }
  return z;
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

class SchulfunktionenTest : public EvaluationWindow {
 protected:
  std::vector<std::string> Abweichungen(const Schulfunktion& s);

  // The x row of the value table, paged through with the right arrow.
  std::vector<std::string> KritischeStellen() {
    std::vector<std::string> x;
    for (int c = 1; c <= 9; ++c) {
      const std::string t = Text(("x" + text::Str(c) + "F").c_str());
      if (t.empty()) break;
      x.push_back(t);
    }
    while (Aktiv("RPfeilB")) {
      Druecke("RPfeilB");
      x.push_back(Text("x9F"));
    }
    return x;
  }

  static std::vector<std::string> Faktortexte(const std::vector<std::pair<double, int>>& f) {
    std::vector<std::string> t;
    for (auto [z, m] : f) {
      Zahl::RundnfAusg(z);
      t.push_back(Zahl::Nulls2FakStr(z, m));
    }
    return t;
  }
};

// Every difference between what the window shows for s and its exact curve discussion.
std::vector<std::string> SchulfunktionenTest::Abweichungen(const Schulfunktion& s) {
  std::vector<std::string> d;
  const auto vergleiche = [&d](const auto& shown, const auto& exact, const std::string& what) {
    if (shown != exact) d.push_back(what);
  };
  window().Report.clear();
  Analysiere(s.zaehler, s.nenner);
  const bool zaehlerFrei = window().RRR.Zl.grad() > 0;
  const bool nennerFrei = window().RRR.Nn.grad() > 0;

  if (zaehlerFrei)
    vergleiche(Text("AusgF2"), Zahl::Zahlfeldausgabe2(Menge(s.nullstellen)),
               "zeros " + Text("AusgF2"));
  if (nennerFrei)
    vergleiche(Text("AusgF2N"), Zahl::Zahlfeldausgabe2(Menge(s.luecken)),
               "gaps " + Text("AusgF2N"));

  const std::string& report = window().Report;
  const std::string bei = "Dadurch wurde die Funktion bei ";
  const std::size_t p = report.find(bei);
  std::vector<double> hebbar;
  if (p != std::string::npos)
    hebbar = GelesenAus(report.substr(p + bei.size(), report.find(" stetig", p) - p - bei.size()));
  vergleiche(Zahl::Zahlfeldausgabe2(Menge(hebbar)), Zahl::Zahlfeldausgabe2(Menge(s.hebbar)),
             "removable gaps " + Zahl::Zahlfeldausgabe2(Menge(hebbar)));

  std::vector<std::string> kritisch;
  for (double x : s.kritisch) kritisch.push_back(Auswertung::Ergebnistext(6, x));
  std::string gezeigt;
  const std::vector<std::string> stellen = KritischeStellen();
  for (const std::string& x : stellen) gezeigt += x + " ";
  vergleiche(stellen, kritisch, "critical x " + gezeigt);

  const Faktorzerlegung zf = Zerlege(Text("AusgF1"));
  const Faktorzerlegung nf = Zerlege(Text("AusgF1N"));
  if (zaehlerFrei) {
    vergleiche(zf.linear, Faktortexte(s.zaehlerFaktoren), "numerator form " + Text("AusgF1"));
    vergleiche(!zf.rest.empty(), s.zaehlerRest, "numerator form " + Text("AusgF1"));
  }
  if (nennerFrei) {
    vergleiche(nf.linear, Faktortexte(s.nennerFaktoren), "denominator form " + Text("AusgF1N"));
    vergleiche(!nf.rest.empty(), s.nennerRest, "denominator form " + Text("AusgF1N"));
  }
  vergleiche(HatRauschziffern(Text("EingF")), false, "numerator field " + Text("EingF"));
  vergleiche(HatRauschziffern(Text("EingF2")), false, "denominator field " + Text("EingF2"));
  return d;
}

TEST_F(SchulfunktionenTest, EveryRowShowsItsExactCurveDiscussionAtSixDecimals) {
  const std::vector<Schulfunktion> rows = Schulfunktionen();
  ASSERT_GE(rows.size(), 500u);
  WaehleRundung("    6 Dezimalen");
  int falsch = 0;
  for (const Schulfunktion& s : rows) {
    const std::vector<std::string> d = Abweichungen(s);
    falsch += !d.empty();
    std::string alle;
    for (const std::string& a : d) alle += "\n  " + a;
    EXPECT_TRUE(d.empty()) << s.name << ": " << s.zaehler << " / " << s.nenner << alle;
  }
  EXPECT_EQ(falsch, 0) << "of " << rows.size() << " school functions";
}

}  // namespace
