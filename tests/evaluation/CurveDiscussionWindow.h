#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "EvaluationWindow.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "evaluation/Wertetabelle.h"

// A function as a student types it, with its exact curve discussion.
struct Kurvendiskussion {
  // Every member has a default, so a table row leaves out whatever it has none of.
  std::string name{}, zaehler{}, nenner{};
  std::vector<double> nullstellen{}, luecken{}, hebbar{}, kritisch{};
  std::vector<std::pair<double, int>> zaehlerFaktoren{}, nennerFaktoren{};
  bool zaehlerRest = false, nennerRest = false;
  // f, f' and f'' at each critical x.
  std::vector<double> fWerte{}, f1Werte{}, f2Werte{};
};

inline ZeroSet Menge(const std::vector<double>& points) {
  ZeroSet z;
  z.assign(points);
  return z;
}

// The numbers of a number list text, in their order.
inline std::vector<double> GelesenAus(const std::string& liste) {
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

inline Faktorzerlegung Zerlege(const std::string& form) {
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

// The window after an evaluation run at six decimals, compared with an exact curve discussion.
class CurveDiscussionWindow : public EvaluationWindow {
 protected:
  static constexpr int kStellen = 6;
  static constexpr const char* kRundung = "    6 Dezimalen";

  // Every difference between what the window shows for s and its exact curve discussion.
  std::vector<std::string> Abweichungen(const Kurvendiskussion& s) {
    window().Report.clear();
    Analysiere(s.zaehler, s.nenner);
    return Gezeigt(s);
  }

  // The same for the function the window shows now; the removable gaps are those the reduction
  // report holds.
  std::vector<std::string> Gezeigt(const Kurvendiskussion& s) {
    std::vector<std::string> d;
    const auto vergleiche = [&d](const auto& shown, const auto& exact, const std::string& what) {
      if (shown != exact) d.push_back(what);
    };
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
      hebbar =
          GelesenAus(report.substr(p + bei.size(), report.find(" stetig", p) - p - bei.size()));
    vergleiche(Zahl::Zahlfeldausgabe2(Menge(hebbar)), Zahl::Zahlfeldausgabe2(Menge(s.hebbar)),
               "removable gaps " + Zahl::Zahlfeldausgabe2(Menge(hebbar)));

    std::vector<std::string> kritisch;
    for (double x : s.kritisch) kritisch.push_back(Auswertung::Ergebnistext(kStellen, x));
    const std::vector<Spalte> tabelle = Wertetabelle();
    std::vector<std::string> stellen;
    std::string gezeigt;
    for (const Spalte& c : tabelle) {
      stellen.push_back(c.x);
      gezeigt += c.x + " ";
    }
    vergleiche(stellen, kritisch, "critical x " + gezeigt);
    for (const std::string& w : Wertabweichungen(s, tabelle)) d.push_back(w);

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
    return d;
  }

 private:
  // One column of the value table: x, then f(x), f'(x) and f''(x).
  struct Spalte {
    std::string x;
    std::array<std::string, 3> werte;
  };

  Spalte Tabellenspalte(int c) {
    const std::string s = text::Str(c) + "F";
    return {Text(("x" + s).c_str()),
            {Text(("y1" + s).c_str()), Text(("y2" + s).c_str()), Text(("y3" + s).c_str())}};
  }

  // The value table, paged through with the right arrow.
  std::vector<Spalte> Wertetabelle() {
    std::vector<Spalte> t;
    for (int c = 1; c <= Auswertung::kSichtbareSpalten; ++c) {
      Spalte s = Tabellenspalte(c);
      if (s.x.empty()) break;
      t.push_back(std::move(s));
    }
    while (Aktiv("RPfeilB")) {
      Druecke("RPfeilB");
      t.push_back(Tabellenspalte(Auswertung::kSichtbareSpalten));
    }
    return t;
  }

  // A shown value is right when it is the exact value as the window writes it or, since the
  // window's x is a Double within 1e-13 of the true point, when it lies that close to the exact
  // value; a blank or a text that is no number is never right.
  static bool WertStimmt(const std::string& gezeigt, double exakt) {
    if (gezeigt == Auswertung::Ergebnistext(kStellen, exakt)) return true;
    if (gezeigt.empty() || text::Str(text::Val(gezeigt)) != gezeigt) return false;
    return std::abs(text::Val(gezeigt) - exakt) <= 1e-6 + 1e-9 * std::abs(exakt);
  }

  // The values at each critical x the table shows; a missing or surplus x is the business of
  // the critical x comparison.
  static std::vector<std::string> Wertabweichungen(const Kurvendiskussion& s,
                                                   const std::vector<Spalte>& tabelle) {
    const std::pair<const char*, const std::vector<double>*> zeilen[] = {
        {"f", &s.fWerte}, {"f'", &s.f1Werte}, {"f''", &s.f2Werte}};
    std::vector<std::string> d;
    for (const auto& [_, w] : zeilen)
      if (w->size() != s.kritisch.size()) return {"values: not one for each critical x"};
    auto naechste = tabelle.begin();
    for (std::size_t k = 0; k < s.kritisch.size(); ++k) {
      const std::string x = Auswertung::Ergebnistext(kStellen, s.kritisch[k]);
      const auto spalte =
          std::find_if(naechste, tabelle.end(), [&x](const Spalte& c) { return c.x == x; });
      if (spalte == tabelle.end()) continue;
      naechste = spalte + 1;
      for (std::size_t r = 0; r < 3; ++r) {
        const double exakt = (*zeilen[r].second)[k];
        if (!WertStimmt(spalte->werte[r], exakt))
          d.push_back(std::string(zeilen[r].first) + "(" + x + ") " + spalte->werte[r] +
                      " instead of " + Auswertung::Ergebnistext(kStellen, exakt));
      }
    }
    return d;
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
