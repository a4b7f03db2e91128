#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "ScriptedServices.h"
#include "algebra/TextSemantics.h"
#include "app/HauptF.h"

// Hostile input through the whole window: random sequences of typing, pressing, choosing and
// mouse events, with the window's invariants checked after every step. The random sequences come
// from a fixed seed, so a failure names a sequence that reruns the same way; each fault found so
// far has a row of its own below.

namespace {

// One user action. Fields and boxes are named by their control names.
struct Type {
  std::string field;
  std::string text;
};
struct Press {
  std::string button;
};
struct Choose {
  std::string box;
  int item;
};
struct TypeInBox {
  std::string box;
  std::string text;
};
struct Wheel {
  int angleDelta;
};
struct Click {
  int x, y;
};
struct Move {
  int x, y;
};
struct EnterCanvas {};
struct LeaveCanvas {};
struct Arrow {
  bool up;
};
// The paint the toolkit delivers once the event loop turns.
struct Paint {};

using Step = std::variant<Type, Press, Choose, TypeInBox, Wheel, Click, Move, EnterCanvas,
                          LeaveCanvas, Arrow, Paint>;

std::string Printable(const std::string& s) {
  std::string out;
  for (const char c : s.substr(0, 80)) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127) {
      out += "\\x" + std::string(1, "0123456789abcdef"[u >> 4]) + "0123456789abcdef"[u & 15];
    } else {
      out += c;
    }
  }
  if (s.size() > 80) out += "... (" + std::to_string(s.size()) + " bytes)";
  return out;
}

struct Describe {
  std::string operator()(const Type& s) const {
    return s.field + " := \"" + Printable(s.text) + "\"";
  }
  std::string operator()(const Press& s) const { return "press " + s.button; }
  std::string operator()(const Choose& s) const {
    return "choose " + s.box + " item " + std::to_string(s.item);
  }
  std::string operator()(const TypeInBox& s) const {
    return s.box + " typed \"" + Printable(s.text) + "\"";
  }
  std::string operator()(const Wheel& s) const { return "wheel " + std::to_string(s.angleDelta); }
  std::string operator()(const Click& s) const {
    return "click " + std::to_string(s.x) + "," + std::to_string(s.y);
  }
  std::string operator()(const Move& s) const {
    return "move " + std::to_string(s.x) + "," + std::to_string(s.y);
  }
  std::string operator()(const EnterCanvas&) const { return "enter canvas"; }
  std::string operator()(const LeaveCanvas&) const { return "leave canvas"; }
  std::string operator()(const Arrow& s) const { return s.up ? "H-Zoom up" : "H-Zoom down"; }
  std::string operator()(const Paint&) const { return "paint"; }
};

std::string Protocol(const std::vector<Step>& steps, std::size_t upTo) {
  std::ostringstream out;
  for (std::size_t i = 0; i <= upTo && i < steps.size(); ++i)
    out << "  " << i << ": " << std::visit(Describe{}, steps[i]) << "\n";
  return out.str();
}

// The window and the services it was built with; the services answer whatever dialog comes.
struct Session {
  explicit Session(unsigned dialogSeed) : answers(dialogSeed) {
    services.AnswerUnscripted([this](const MessageDialog& d) {
      std::vector<PressedButton> shown;
      if (d.ActionButton.Visible) shown.push_back(PressedButton::ActionButton);
      if (d.CancelButton.Visible) shown.push_back(PressedButton::CancelButton);
      if (d.AlternateActionButton.Visible) shown.push_back(PressedButton::AlternateActionButton);
      shown.push_back(PressedButton::None);
      return shown[std::uniform_int_distribution<std::size_t>(0, shown.size() - 1)(answers)];
    });
    window = std::make_unique<HauptF>(services);
    window->Event_Open();
  }
  ~Session() { window.reset(); }

  std::mt19937 answers;
  ScriptedServices services;
  std::unique_ptr<HauptF> window;
};

class Driver {
 public:
  explicit Driver(HauptF& w) : w_(w) {}

  void operator()(const Type& s) {
    w_.Control<QLineEdit>(s.field).setText(QString::fromStdString(s.text));
  }
  void operator()(const Press& s) {
    // A hidden button cannot be pressed; a disabled one ignores the click by itself.
    auto& b = w_.Control<PushButton>(s.button);
    if (!b.isHidden()) b.click();
  }
  void operator()(const Choose& s) {
    ComboBox& b = w_.Control<ComboBox>(s.box);
    const int item = std::clamp(s.item, 0, b.count() - 1);
    b.setCurrentIndex(item);
    emit b.activated(item);
  }
  void operator()(const TypeInBox& s) { w_.Control<ComboBox>(s.box).SetText(s.text); }
  void operator()(const Wheel& s) {
    const QPointF at(210, 131);
    QWheelEvent e(at, canvas().mapToGlobal(at), QPoint(), QPoint(0, s.angleDelta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas(), &e);
  }
  void operator()(const Click& s) {
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, QPoint(s.x, s.y));
  }
  void operator()(const Move& s) {
    const QPointF at(s.x, s.y);
    QMouseEvent e(QEvent::MouseMove, at, canvas().mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&canvas(), &e);
  }
  void operator()(const EnterCanvas&) {
    QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&canvas(), &e);
  }
  void operator()(const LeaveCanvas&) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&canvas(), &e);
  }
  void operator()(const Arrow& s) {
    auto& arrows = w_.Control<UpDownArrows>("HZoomArrows");
    QTest::mouseClick(&arrows, Qt::LeftButton, {}, QPoint(6, s.up ? 4 : arrows.height() - 4));
  }
  void operator()(const Paint&) { canvas().grab(); }

 private:
  Canvas& canvas() { return w_.GraphCanvas(); }
  HauptF& w_;
};

// Output fields and labels: the program writes them, and none of them may show a number that is
// not one.
const std::vector<std::string>& OutputControls() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n = {"AusgF1",    "AusgF1N", "AusgF2", "AusgF2N", "AsyAusgF",
                                  "IntegralF", "xKoF",    "yKoF",   "y1XF",    "y2XF",
                                  "y3XF",      "vonF",    "bisF",   "xXF",     "xVF",
                                  "yVF",       "EingF",   "EingF2", "AnzeigeF"};
    for (int c = 1; c <= 9; ++c) {
      n.push_back("x" + std::to_string(c) + "F");
      for (int r = 1; r <= 3; ++r) n.push_back("y" + std::to_string(r) + std::to_string(c) + "F");
    }
    return n;
  }();
  return names;
}

bool ShowsNonFinite(const std::string& text) {
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// Every invariant of the window at rest; the failures name the control or value that broke it.
// At a gap of f the extra x column shows the non-finite value of the division by zero.
bool ExtraColumnOnGap(HauptF& w, const std::string& name) {
  if (name != "y1XF" && name != "y2XF" && name != "y3XF") return false;
  const std::string x = w.xXF().Text();
  return !x.empty() && w.RR[0].Nn.FWert(text::Val(x)) == 0;
}

// A field that still holds what the user typed into it is not the program's output.
std::vector<std::string> Violations(HauptF& w, const std::map<std::string, std::string>& typed) {
  std::vector<std::string> v;
  if (!(std::isfinite(w.xmin) && std::isfinite(w.xmax) && w.xmin < w.xmax))
    v.push_back("x range " + std::to_string(w.xmin) + " .. " + std::to_string(w.xmax));
  if (!(std::isfinite(w.ymin) && std::isfinite(w.ymax) && w.ymin < w.ymax))
    v.push_back("y range " + std::to_string(w.ymin) + " .. " + std::to_string(w.ymax));
  if (!(std::isfinite(w.deltax) && std::isfinite(w.mx) && std::isfinite(w.dy)))
    v.push_back("scales not finite");

  if (w.KPAnzahl < 0 || w.KPAnzahl > 50) v.push_back("KPAnzahl " + std::to_string(w.KPAnzahl));
  if (w.KPAnzahl > 0 &&
      (w.links < 1 || w.rechts > w.KPAnzahl || w.rechts - w.links + 1 > 9 || w.rechts < w.links))
    v.push_back("visible columns " + std::to_string(w.links) + ".." + std::to_string(w.rechts) +
                " of " + std::to_string(w.KPAnzahl));
  if (w.Stellenzahl < 0 || w.Stellenzahl > 7)
    v.push_back("Stellenzahl " + std::to_string(w.Stellenzahl));

  for (const std::string& name : OutputControls()) {
    const std::string t = w.Control<QLineEdit>(name).text().toStdString();
    if (const auto it = typed.find(name); it != typed.end() && it->second == t) continue;
    if (ExtraColumnOnGap(w, name)) continue;
    if (ShowsNonFinite(t)) v.push_back(name + " shows \"" + Printable(t) + "\"");
  }
  for (const char* label : {"KooLoT", "KooRuT"}) {
    const std::string t = w.Control<Label>(label).Text();
    if (ShowsNonFinite(t)) v.push_back(std::string(label) + " shows \"" + Printable(t) + "\"");
  }

  // The derivatives may overflow where f's coefficients come near the Double range's end; their
  // values then show nothing, which the field checks above cover.
  for (const RationalT* f : {&w.RRR, &w.RR[0], &w.Pg})
    if (!f->AllFinite()) v.push_back("a function holds coefficients not finite");
  if (w.RRR.Nn.grad() < 0) v.push_back("f has the zero denominator");

  if (w.RListe.empty() || w.RListe[0] != "0 / 1  ") v.push_back("list lost its zero function");
  if (std::set<std::string>(w.RListe.begin(), w.RListe.end()).size() != w.RListe.size())
    v.push_back("list holds a duplicate");
  // "f löschen" may leave the cursor past the end; the next fetch starts again at element 0.
  if (w.PZeiger < 0) v.push_back("PZeiger " + std::to_string(w.PZeiger));
  return v;
}

// What the next paint would draw stays within the sketch's pixel clipping.
std::vector<std::string> DrawingViolations(HauptF& w) {
  constexpr std::int32_t limit = 100000 + 16;
  std::vector<std::string> v;
  const auto inside = [&](std::int32_t p) { return p >= -limit && p <= limit; };
  for (const auto& p : w.SketchOfF()) {
    const bool ok = std::visit(
        [&](const auto& q) {
          using Q = std::decay_t<decltype(q)>;
          if constexpr (std::is_same_v<Q, graph::Line>)
            return inside(q.x1) && inside(q.y1) && inside(q.x2) && inside(q.y2);
          else
            return inside(q.x) && inside(q.y) && q.width >= 0 && q.height >= 0;
        },
        p);
    if (!ok) {
      v.push_back("a primitive lies beyond the pixel limit");
      break;
    }
  }
  return v;
}

// Runs the steps on a fresh window and checks the invariants after each; true when all held.
bool RunSequence(const std::vector<Step>& steps, unsigned dialogSeed, const std::string& name) {
  Session session(dialogSeed);
  HauptF& w = *session.window;
  Driver drive(w);
  std::map<std::string, std::string> typed;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    std::visit(drive, steps[i]);
    // What the field kept of the typed text: a line edit drops line ends and the like.
    if (const auto* t = std::get_if<Type>(&steps[i]))
      typed[t->field] = w.Control<QLineEdit>(t->field).text().toStdString();
    std::vector<std::string> v = Violations(w, typed);
    if (std::holds_alternative<Paint>(steps[i]) || i + 1 == steps.size()) {
      const auto d = DrawingViolations(w);
      v.insert(v.end(), d.begin(), d.end());
    }
    if (!v.empty()) {
      std::ostringstream out;
      for (const auto& s : v) out << "  " << s << "\n";
      ADD_FAILURE() << name << " broke after step " << i << ":\n"
                    << out.str() << "steps:\n"
                    << Protocol(steps, i);
      return false;
    }
  }
  return true;
}

// Random material for the fields: valid terms of a small grammar, their mutations, raw bytes,
// huge digit runs, powers near the degree limit and very long texts.
class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Int(0, static_cast<int>(items.size()) - 1))];
  }

  std::string Number() {
    switch (Int(0, 9)) {
      case 0:
        return std::string(static_cast<std::size_t>(Int(16, 400)), '9');
      case 1:
        return "1" + std::string(static_cast<std::size_t>(Int(290, 320)), '0');
      case 2:
        return "0." + std::string(static_cast<std::size_t>(Int(5, 330)), '0') + "1";
      case 3:
        return std::to_string(Int(0, 9)) + "." + std::to_string(Int(0, 99));
      case 4:
        return std::to_string(Int(0, 9)) + "," + std::to_string(Int(0, 9));
      default:
        return std::to_string(Int(0, 12));
    }
  }

  std::string Factor(int depth) {
    std::string f;
    switch (depth > 2 ? Int(0, 1) : Int(0, 4)) {
      case 0:
        f = Number();
        break;
      case 1:
        f = "x";
        break;
      default:
        f = "(" + Sum(depth + 1) + ")";
    }
    if ((f == "x" || f.back() == ')') && Chance(0.35)) {
      const int e = Chance(0.3) ? Int(38, 45) : Int(0, 9);
      f += "^" + std::to_string(e);
    }
    return f;
  }

  std::string Product(int depth) {
    std::string p = Factor(depth);
    for (int n = Int(0, 2); n > 0; --n) p += (Chance(0.5) ? "*" : "") + Factor(depth);
    return p;
  }

  std::string Sum(int depth) {
    std::string s = (Chance(0.2) ? "-" : "") + Product(depth);
    for (int n = Int(0, 2); n > 0; --n) s += (Chance(0.5) ? "+" : "-") + Product(depth);
    return s;
  }

  std::string Soup(std::size_t length) {
    static const std::vector<std::string> pieces = {"x",
                                                    "X",
                                                    "0",
                                                    "1",
                                                    "7",
                                                    ".",
                                                    ",",
                                                    "+",
                                                    "-",
                                                    "*",
                                                    "/",
                                                    "^",
                                                    "(",
                                                    ")",
                                                    " ",
                                                    "\t",
                                                    "\n",
                                                    "\r",
                                                    std::string(1, '\0'),
                                                    "\x01",
                                                    "\x7f",
                                                    "ä",
                                                    "€",
                                                    "𝑥",
                                                    "\xc2\xa0",
                                                    "\xff",
                                                    "\xc3",
                                                    "e",
                                                    "E",
                                                    "nan",
                                                    "inf",
                                                    "$",
                                                    "\\",
                                                    "²",
                                                    "−",
                                                    "[",
                                                    "]",
                                                    "{",
                                                    "}",
                                                    "%",
                                                    "="};
    std::string s;
    while (s.size() < length) s += Pick(pieces);
    return s;
  }

  std::string Term() {
    switch (Int(0, 11)) {
      case 0:
        return Soup(static_cast<std::size_t>(Int(0, 30)));
      case 1: {
        std::string t = Sum(0);
        for (int n = Int(1, 3); n > 0; --n)
          t.insert(static_cast<std::size_t>(Int(0, static_cast<int>(t.size()))), Soup(1));
        return t;
      }
      case 2: {
        const std::string unit =
            Pick<std::string>({"(x+1)", "x^2-", "((", "))", "9", "x", "(x-1)^2"});
        std::string t;
        for (int n = Int(100, 2000); n > 0; --n) t += unit;
        return t;
      }
      case 3:
        return Pick<std::string>({"(x+1)^42", "x^42", "x^43", "(x^2+1)^21", "(x^2+1)^22", "(x^7)^6",
                                  "(x-1)^41(x+1)", "x^99", "x^042", "(x+2)^40"});
      case 4:
        return Pick<std::string>({"", "0", "1", "-", "x", "()", "(x)", "x/x", "0x", "1e300", "-0",
                                  "x^", "^2", "x.5", "1.2.3", "(((x)))"});
      default:
        return Sum(0);
    }
  }

  std::string NumberText() {
    switch (Int(0, 5)) {
      case 0:
        return Pick<std::string>({"", "-", ".", "nan", "inf", "-inf", "1e300", "-0", " 3", "2,5",
                                  "1.2.3", "\t1", "abc", "0"});
      case 1:
        return (Chance(0.5) ? "-" : "") + Number();
      case 2:
        return Soup(static_cast<std::size_t>(Int(0, 8)));
      default:
        return std::to_string(Int(-20, 20)) + (Chance(0.3) ? "." + std::to_string(Int(0, 9)) : "");
    }
  }

  std::string BoxText() {
    return Pick<std::string>({"",
                              "-5",
                              "0",
                              "3",
                              "7",
                              "8",
                              "15",
                              "16",
                              "99999999999",
                              "nan",
                              "inf",
                              "1e308",
                              "ganze",
                              "   ganze Zahlen",
                              "    4 Dezimalen",
                              "Nichts Ändern",
                              "    Anzeigen",
                              "    Speichern",
                              "    Entleeren",
                              "nicht",
                              "-2147483649",
                              Soup(5)});
  }

  Step Next() {
    static const std::vector<std::string> buttons = {
        "PushButton1", "PushButton1", "PushButton1", "QuitB112", "RPfeilB",
        "LPfeilB",     "IntegralB",   "VerschiebeB", "gfB",      "gmalfB",
        "gmalfB1",     "gmalfB11",    "RZeigB",      "g_AnzB",   "g_AnzB1",
        "gfB1",        "RNextB1",     "QuitB11",     "QuitB",    "KuerzReportB"};
    static const std::vector<std::string> boxes = {"StellenWahlB", "KoeffRundenWahlB",
                                                   "RinglisteB"};
    switch (Int(0, 19)) {
      case 0:
      case 1:
      case 2:
        return Type{"EingF", Term()};
      case 3:
      case 4:
        return Type{"EingF2", Term()};
      case 5:
        return Type{Pick<std::string>({"vonF", "bisF", "xXF", "xVF", "yVF"}), NumberText()};
      case 6:
        return Type{"AnzeigeF", Chance(0.7) ? Term() + " / " + Term() : Term()};
      case 7:
      case 8:
      case 9:
      case 10:
        return Press{Pick(buttons)};
      case 11:
        return Choose{Pick(boxes), Int(0, 9)};
      case 12:
        return TypeInBox{Pick(boxes), BoxText()};
      case 13:
        return Wheel{Pick<int>({120, -120, 1200, -1200, 1, -1, 30, 32767, -32768, 600, -720})};
      case 14:
        return Click{Int(-40, 460), Int(-40, 300)};
      case 15:
        return Move{Int(-40, 460), Int(-40, 300)};
      case 16:
        return Chance(0.5) ? Step{EnterCanvas{}} : Step{LeaveCanvas{}};
      case 17:
        return Arrow{Chance(0.5)};
      default:
        return Paint{};
    }
  }

  std::mt19937& rng() { return rng_; }

 private:
  std::mt19937 rng_;
};

TEST(RobustnessTest, RandomSequencesKeepEveryInvariant) {
  constexpr int kSequences = 400;
  Generator g(20261210);
  int failed = 0;
  for (int n = 0; n < kSequences && failed < 3; ++n) {
    std::vector<Step> steps;
    for (int k = g.Int(5, 30); k > 0; --k) steps.push_back(g.Next());
    if (!RunSequence(steps, static_cast<unsigned>(n), "sequence " + std::to_string(n))) ++failed;
  }
}

}  // namespace

TEST(RobustnessTest, EdgeCasesKeepEveryInvariant) {
  struct Row {
    const char* why;
    std::vector<Step> steps;
  };
  const std::string nines(200, '9');
  const Row rows[] = {
      {"the extra x on the gap of the start function", {Type{"xXF", "-4"}, Press{"PushButton1"}}},
      {"an exponent ends the typed x", {Type{"xXF", "1e300"}, Press{"PushButton1"}}},
      {"huge x in the extra column", {Type{"xXF", nines}, Press{"PushButton1"}}},
      {"huge integral bounds",
       {Type{"vonF", "-" + nines}, Type{"bisF", nines}, Press{"IntegralB"}}},
      {"a huge shift is refused", {Type{"xVF", nines}, Type{"yVF", "1"}, Press{"VerschiebeB"}}},
      {"degree 42 over degree 0",
       {Type{"EingF", "(x+1)^42"}, Type{"EingF2", "3"}, Press{"PushButton1"}, Paint{},
        Press{"g_AnzB1"}}},
      {"derivatives overflow: a denominator near the Double range's end",
       {Type{"EingF2", std::string(300, '9') + "x+x^3"}, Press{"PushButton1"}, Paint{}}},
      {"derivatives overflow after the reciprocal",
       {Type{"EingF2", "-(1" + std::string(300, '0') + "*6.45)"}, Press{"PushButton1"},
        Press{"gmalfB11"}, Press{"g_AnzB1"}}},
      {"wheel far out and in",
       {Wheel{-32768}, Wheel{-32768}, Wheel{-32768}, Paint{}, Wheel{32767}, Arrow{true}, Paint{}}},
  };
  for (const Row& row : rows) RunSequence(row.steps, 1, row.why);
}
