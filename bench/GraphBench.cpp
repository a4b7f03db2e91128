// What one paint of the graph costs with the real window: the start function in its plot range,
// as the window shows it after opening, and a pole of order 10, beside which the curve's values
// are taken from the exact denominator. Runs offscreen with scripted services.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "BenchWindow.h"
#include "graph/DisplayListPainter.h"
#include "roots/Nullstellen.h"

namespace {

// Computing the display list: the view, the scales, the corner labels, 421 samples of f and of
// the asymptote, the gap and the markers.
void SketchOfStartFunction(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  for (auto _ : state) benchmark::DoNotOptimize(w.SketchOfF());
}
BENCHMARK(SketchOfStartFunction)->Unit(benchmark::kMicrosecond);

// A whole paint as the canvas's paint event does it, into an image the size of the canvas.
void PaintOfStartFunction(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  QImage image(420, 262, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    w.Zeichnef(painter);
  }
}
BENCHMARK(PaintOfStartFunction)->Unit(benchmark::kMicrosecond);

// Painting a list computed once: what the painter alone costs.
void PaintingTheListOnly(benchmark::State& state) {
  const graph::DisplayList list = OpenedWindow().SketchOfF();
  QImage image(420, 262, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    graph::PaintDisplayList(painter, list);
  }
}
BENCHMARK(PaintingTheListOnly)->Unit(benchmark::kMicrosecond);

// What the gap cache saves on every paint after the first, twice over where the gaps were looked
// for twice per paint.
void GapsOfStartDenominator(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  ZeroSet gaps;
  for (auto _ : state) {
    Analyse::FindeNullstellen(w.RRR.Nn, gaps);
    benchmark::DoNotOptimize(gaps.a.data());
  }
}
BENCHMARK(GapsOfStartDenominator)->Unit(benchmark::kMicrosecond);

// 1 over (x-1)^10 in its plot range: the samples beside the pole, where the expanded
// denominator's Doubles are rounding noise, get their signs from the exact denominator. Runs
// last, as it leaves this function in the window.
void PaintOfPoleOfOrder10(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  w.EingF().SetText("1");
  w.EingF2().SetText("(x-1)^10");
  w.NeueFunktion = true;
  w.Funktionsauswertung();
  w.SketchOfF();  // adopts the plot range, as the first paint does
  QImage image(420, 262, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    w.Zeichnef(painter);
  }
}
BENCHMARK(PaintOfPoleOfOrder10)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithOpenedWindow(argc, argv);
}
