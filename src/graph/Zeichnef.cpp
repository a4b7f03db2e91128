#include <algorithm>
#include <span>

#include "app/HauptF.h"
#include "graph/DisplayListPainter.h"
#include "graph/Sketch.h"
#include "graph/WindowView.h"

void HauptF::GraphCanvas_Paint(Canvas&, QPainter& g) {
  // PPP appears last in Init: before it nothing the drawing reads is ready.
  if (PPP) Zeichnef(g);
}

void HauptF::Zeichnef(QPainter& g) {
  graph::PaintDisplayList(g, SketchOfF());
}

graph::DisplayList HauptF::SketchOfF() {
  const ZeroSet& gaps = gapCache.GapsOf(RRR);

  graph::View view = graph::ViewOf(*this);
  graph::ChooseView(view, NeueFunktion, GrafikHalten, RRR);
  graph::SetView(*this, view);
  const graph::Scales s = graph::ScalesOf(view);
  dy = s.dy;
  deltax = s.deltax;
  mx = s.mx;

  KooLoT().SetText(graph::KooLoText(view));
  KooRuT().SetText(graph::KooRuText(view));

  // Only a denominator that is not constant gives f a polynomial part of its own; otherwise
  // Asymptote still belongs to an earlier function.
  const PolynomT* asymptote = RRR.Nn.grad() > 0 ? Asymptote.get() : nullptr;
  const auto points = static_cast<std::size_t>(
      std::clamp<std::int32_t>(KPAnzahl, 0, static_cast<std::int32_t>(WertTab[0].size()) - 1));
  const std::span<const double> criticalX(WertTab[0].data() + 1, points);
  return graph::BuildSketch({view, RRR, asymptote, gaps, criticalX});
}
