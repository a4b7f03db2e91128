// What one paint of the graph costs with the real window: the start function in its plot range,
// as the window shows it after opening. Runs offscreen with scripted services.

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

}  // namespace

int main(int argc, char** argv) {
  return RunWithOpenedWindow(argc, argv);
}
