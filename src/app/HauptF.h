#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "app/Canvas.h"
#include "app/Controls.h"
#include "app/EventBinding.h"
#include "app/ToolkitServices.h"
#include "app/UpDownArrows.h"
#include "evaluation/Integration.h"
#include "graph/DisplayList.h"
#include "graph/GapCache.h"

// Value table data: row 0 the x of each critical point, rows 1 to 3 f, f', f'' there; columns 1
// to 50 give room for 50 points.
using WertTabelle = std::array<std::array<double, 51>, 4>;
// Texts of the shown table: rows 1 to 4, columns 1 to 9 (and the extra column 10).
using StringTabelle = std::array<std::array<std::string, 11>, 5>;

// The program's single main window. It is the core's context, so f, g, the derivatives, the
// scratch polynomials and the binomial table that the algebra uses are the window's own
// properties. Its controls are reached by name, through the typed accessors below.
class HauptF : public QMainWindow, public CoreContext {
  Q_OBJECT

 public:
  // Lays the window out and creates its controls, binding the rows of bindings as each control
  // is made. Init has not run yet.
  explicit HauptF(ToolkitServices& services, const std::vector<Binding>& bindings = BindingTable());
  ~HauptF() override;

  // The open window; when there is none, creates one with the Qt services, runs its open event
  // and shows it. Calls made while that window is being opened return it.
  static HauptF& Instanz();

  // The open event: runs Init, once per window.
  void Event_Open();
  // Completes the window state that the construction defaults leave empty.
  void Init();

  ToolkitServices& Services() const { return services_; }

  // The control of this name, of this kind. Throws std::logic_error when there is none.
  template <class Kind>
  Kind& Control(std::string_view name) const {
    auto* control = qobject_cast<Kind*>(ControlByName(name));
    if (control == nullptr)
      throw std::logic_error("no control " + std::string(name) + " of kind " +
                             Kind::staticMetaObject.className());
    return *control;
  }
  // All controls in creation order.
  const std::vector<QWidget*>& Controls() const { return controls_; }

#define VARELTO_CONTROL(Kind, name) \
  Kind& name() const {              \
    return Control<Kind>(#name);    \
  }
  VARELTO_CONTROL(TextField, EingF)
  VARELTO_CONTROL(TextField, vonF)
  VARELTO_CONTROL(TextField, bisF)
  VARELTO_CONTROL(TextField, IntegralF)
  VARELTO_CONTROL(TextField, y21F)
  VARELTO_CONTROL(TextField, y31F)
  VARELTO_CONTROL(TextField, y22F)
  VARELTO_CONTROL(TextField, y32F)
  VARELTO_CONTROL(TextField, y23F)
  VARELTO_CONTROL(TextField, y33F)
  VARELTO_CONTROL(TextField, y24F)
  VARELTO_CONTROL(TextField, y34F)
  VARELTO_CONTROL(TextField, y25F)
  VARELTO_CONTROL(TextField, y35F)
  VARELTO_CONTROL(TextField, y26F)
  VARELTO_CONTROL(TextField, y36F)
  VARELTO_CONTROL(TextField, y27F)
  VARELTO_CONTROL(TextField, y37F)
  VARELTO_CONTROL(TextField, y28F)
  VARELTO_CONTROL(TextField, y38F)
  VARELTO_CONTROL(TextField, y29F)
  VARELTO_CONTROL(TextField, y39F)
  VARELTO_CONTROL(TextField, y2XF)
  VARELTO_CONTROL(TextField, y3XF)
  VARELTO_CONTROL(TextField, x1F)
  VARELTO_CONTROL(TextField, y11F)
  VARELTO_CONTROL(TextField, x2F)
  VARELTO_CONTROL(TextField, y12F)
  VARELTO_CONTROL(TextField, x3F)
  VARELTO_CONTROL(TextField, y13F)
  VARELTO_CONTROL(TextField, x4F)
  VARELTO_CONTROL(TextField, y14F)
  VARELTO_CONTROL(TextField, x5F)
  VARELTO_CONTROL(TextField, y15F)
  VARELTO_CONTROL(TextField, x6F)
  VARELTO_CONTROL(TextField, y16F)
  VARELTO_CONTROL(TextField, x7F)
  VARELTO_CONTROL(TextField, y17F)
  VARELTO_CONTROL(TextField, x8F)
  VARELTO_CONTROL(TextField, y18F)
  VARELTO_CONTROL(TextField, x9F)
  VARELTO_CONTROL(TextField, y19F)
  VARELTO_CONTROL(TextField, xXF)
  VARELTO_CONTROL(TextField, y1XF)
  VARELTO_CONTROL(PushButton, RPfeilB)
  VARELTO_CONTROL(PushButton, LPfeilB)
  VARELTO_CONTROL(PushButton, IntegralB)
  VARELTO_CONTROL(TextArea, AnzeigeF)
  VARELTO_CONTROL(Canvas, GraphCanvas)
  VARELTO_CONTROL(TextArea, AusgF2)
  VARELTO_CONTROL(ComboBox, StellenWahlB)
  VARELTO_CONTROL(ComboBox, RinglisteB)
  VARELTO_CONTROL(PushButton, VerschiebeB)
  VARELTO_CONTROL(TextField, xVF)
  VARELTO_CONTROL(TextField, yVF)
  VARELTO_CONTROL(TextField, EingF2)
  VARELTO_CONTROL(TextArea, AusgF1)
  VARELTO_CONTROL(TextArea, AusgF1N)
  VARELTO_CONTROL(TextArea, AusgF2N)
  VARELTO_CONTROL(TextArea, AsyAusgF)
  VARELTO_CONTROL(Label, AsyT)
  VARELTO_CONTROL(TextField, xKoF)
  VARELTO_CONTROL(TextField, yKoF)
  VARELTO_CONTROL(Label, xKoL)
  VARELTO_CONTROL(Label, yKoL)
  VARELTO_CONTROL(PushButton, KuerzReportB)
  VARELTO_CONTROL(Label, KooLoT)
  VARELTO_CONTROL(Label, KooRuT)
  VARELTO_CONTROL(Label, Mauszeiger)
  VARELTO_CONTROL(ComboBox, KoeffRundenWahlB)
#undef VARELTO_CONTROL

  // What the core asks of its context.
  void MsgBox(const std::string& text) override;
  void SetKuerzReportBVisible(bool visible) override;
  bool KuerzReportBVisible() const override;
  void Yield() override;

  // The window state besides the core's (Stellenzahl, Report, Poly, BinKoeff, wzaehler, RRR, RR,
  // Pg, KPMenge, NeueFunktion, GrafikHalten, xmin, xmax, ymin, ymax). PPP and Asymptote exist
  // once Init has run; PPP set means Init has run.
  std::unique_ptr<PolynomT> PPP;
  WertTabelle WertTab{};
  StringTabelle StringTab{};
  std::int32_t links = 0;
  std::int32_t rechts = 0;
  std::int32_t KPAnzahl = 0;
  std::int32_t PZeiger = 0;
  std::vector<std::string> RListe{""};
  // Where the list file last loaded or saved in this run lies; empty before.
  std::filesystem::path Listenordner;
  std::unique_ptr<PolynomT> Asymptote;
  double mx = 1.0;
  double dy = 1.0;
  double deltax = 1.0;
  double Integral = 0.0;
  bool NeueGrenzen = false;
  std::int32_t oldx = 0;
  std::int32_t oldy = 0;
  bool BildBewegen = false;

  // The handlers and methods of the evaluation run and result display (src/evaluation).
  void EingF_TextChange(TextField& field);
  void QuitB_Action(PushButton& button);
  void vonF_TextChange(TextField& field);
  void bisF_TextChange(TextField& field);
  void xXF_TextChange(TextField& field);
  void RPfeilB_Action(PushButton& button);
  void LPfeilB_Action(PushButton& button);
  void PushButton1_Action(PushButton& button);
  void IntegralB_Action(PushButton& button);
  void QuitB11_Action(PushButton& button);
  void StellenWahlB_TextChanged(ComboBox& box);
  void VerschiebeB_Action(PushButton& button);
  void xVF_TextChange(TextField& field);
  void yVF_TextChange(TextField& field);
  void EingF2_TextChange(TextField& field);
  void QuitB112_Action(PushButton& button);
  void KuerzReportB_Action(PushButton& button);
  // Analyses the function in the term fields and shows every result; false when a term field
  // was refused, which then shows its text in red, or the reduced function would hold numbers
  // too long to be read back, and f stays as it was.
  bool Funktionsauswertung();
  // The end of a run that leaves f as it was: no critical points, no paging, no extra column.
  bool Abbrechen();
  void TabFill();
  void TabLeer();
  // Empties the values of the extra x column; the typed x stays.
  void ZusatzspalteLeeren();
  void WerteEintragen();
  void AlleWerteBerechnen();
  void Integralanforderung();
  // The integral field after a new result rounding: the stored integral rounded anew when it
  // belongs to f and the bounds shown, otherwise empty.
  void IntegralNeuRunden();
  // Integrates f from a to b into Integral; otherwise gap becomes the text of a gap in [a; b].
  void Integriere(double a, double b, std::string& gap);
  void Verschieben();
  // Whether the term fields show anything but the last analysed f.
  bool TermfelderNeu() const;
  // A term field was edited into something new since the last successful run. Unlike
  // NeueFunktion no drawing clears it, so the integral request knows the fields are unanalysed.
  bool termsEditedSinceRun = false;
  // What the stored Integral belongs to; empty while it belongs to nothing shown.
  std::optional<Auswertung::Integralschluessel> IntegralSchluessel;

  // The handlers of the graph sketch and navigation (src/graph).
  void GraphCanvas_Paint(Canvas& sender, QPainter& g);
  void GraphCanvas_MouseEnter(Canvas& sender);
  void GraphCanvas_MouseExit(Canvas& sender);
  void GraphCanvas_MouseMove(Canvas& sender, int X, int Y);
  bool GraphCanvas_MouseDown(Canvas& sender, int X, int Y);
  bool GraphCanvas_MouseWheel(Canvas& sender, int X, int Y, double deltaX, double deltaY);
  void HZoomArrows_Up(UpDownArrows& sender);
  void HZoomArrows_Down(UpDownArrows& sender);
  // Draws the sketch of f into g; called only from the paint event.
  void Zeichnef(QPainter& g);
  // What Zeichnef paints. Settles the view of this drawing, recomputes deltax, mx and dy and
  // writes the corner labels.
  graph::DisplayList SketchOfF();
  graph::GapCache gapCache;

  // The handlers and methods of the function list and the registers (src/funclist/gui).
  // The confirmation of type 1, 2, 3, 6 or 7: 1 for the action button, -1 for the alternate
  // one, 0 for cancel or anything else.
  std::int32_t ListBotschaft(std::int32_t typ);
  bool IstSchonImRing(std::string_view s) const;
  void fInRListeEinfuegen(const std::string& s);
  // Writes D the way the user would type it: the numerator field gets D's numerator term text,
  // then the denominator field its denominator's. D's exponent is not written; each write fires
  // the field's change handler before the next one.
  void InTermfelderSchreiben(const RationalT& D);
  // Writes the numerator field, then the denominator field where nenner is given; exakt holds
  // the exact terms the two texts stand for, where they are known.
  void TermfelderSchreiben(const std::string& zaehler, const std::string* nenner,
                           std::shared_ptr<const exact::Function> exakt);
  // The exact terms behind the texts the program wrote last into the term fields: a third left
  // by a cancellation keeps 14 decimals in its text, so an unchanged field is read as its term.
  struct ExakteTermfelder {
    std::shared_ptr<const exact::Function> funktion;
    std::string zaehlerText;
    std::string nennerText;
  } termfelderExakt;

  // List commands, the list file, the register buttons and the coefficient rounding.
  void RNextB1_Action(PushButton& button);
  void RinglisteB_TextChanged(ComboBox& box);
  void gfB1_Action(PushButton& button);
  void gfB_Action(PushButton& button);
  void gmalfB_Action(PushButton& button);
  void gmalfB1_Action(PushButton& button);
  void gmalfB11_Action(PushButton& button);
  void RZeigB_Action(PushButton& button);
  void g_AnzB_Action(PushButton& button);
  void g_AnzB1_Action(PushButton& button);
  void KoeffRundenWahlB_TextChanged(ComboBox& box);
  // Shows the whole function list in a message box.
  void Ringkontrolle();
  // Writes the list to a file the user chooses, or says that it could not.
  void RSpeichern();
  // Appends the entries of a file the user chooses, or says why it could not be read.
  void RLaden();

 protected:
  // Return presses "OK" wherever the focus is: fields and buttons leave the key to the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Layout();
  void CreateControls(const std::vector<Binding>& bindings);
  QWidget* ControlByName(std::string_view name) const;

  ToolkitServices& services_;
  std::map<std::string, QWidget*, std::less<>> byName_;
  std::vector<QWidget*> controls_;
};
