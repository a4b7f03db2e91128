#include "app/HauptF.h"
#include "graph/Navigation.h"
#include "graph/WindowView.h"

namespace {

// Every change of the view asks for a repaint, whatever else the handler goes on to do.
template <class Step>
void MoveView(HauptF& w, Step step) {
  graph::View v = graph::ViewOf(w);
  step(v);
  graph::SetView(w, v);
  w.GraphCanvas().Invalidate();
}

}  // namespace

void HauptF::GraphCanvas_MouseEnter(Canvas&) {
  xKoF().setVisible(true);
  yKoF().setVisible(true);
  xKoL().setVisible(true);
  yKoL().setVisible(true);
  Mauszeiger().setVisible(true);
}

void HauptF::GraphCanvas_MouseExit(Canvas&) {
  BildBewegen = false;
  xKoF().setVisible(false);
  yKoF().setVisible(false);
  xKoL().setVisible(false);
  yKoL().setVisible(false);
  xKoF().SetText("");
  yKoF().SetText("");
  Mauszeiger().setVisible(false);
}

void HauptF::GraphCanvas_MouseMove(Canvas&, int X, int Y) {
  xKoF().SetText(graph::xKoText(xmin, deltax, X));
  yKoF().SetText(graph::yKoText(ymin, dy, Y));
}

bool HauptF::GraphCanvas_MouseDown(Canvas&, int X, int Y) {
  if (BildBewegen) {
    // The repaint is asked for before the run, so that it comes even when the run stops at an
    // unparseable term.
    MoveView(*this, [&](graph::View& v) { graph::Pan(v, oldx, oldy, X, Y); });
    BildBewegen = false;
    GrafikHalten = true;
    Funktionsauswertung();
  } else {
    BildBewegen = true;
  }
  oldx = X;
  oldy = Y;
  return false;
}

bool HauptF::GraphCanvas_MouseWheel(Canvas&, int, int, double, double deltaY) {
  MoveView(*this, [&](graph::View& v) { graph::ZoomByWheel(v, deltaY); });
  return false;
}

void HauptF::HZoomArrows_Up(UpDownArrows&) {
  MoveView(*this, graph::ZoomInHorizontally);
}

void HauptF::HZoomArrows_Down(UpDownArrows&) {
  MoveView(*this, graph::ZoomOutHorizontally);
}
