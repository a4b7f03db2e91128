// What the evaluation run and the integral cost with the real window, offscreen, with scripted
// services: the code behind "OK" and "Integrieren", without painting.

#include <benchmark/benchmark.h>

#include <string>

#include "BenchWindow.h"

namespace {

// One run as after typing a new function: the typed texts go through the whole parser and the
// plot range is computed.
void Run(benchmark::State& state, const std::string& zaehler, const std::string& nenner) {
  HauptF& w = OpenedWindow();
  for (auto _ : state) {
    state.PauseTiming();
    w.EingF().SetText(zaehler);
    w.EingF2().SetText(nenner);
    w.NeueFunktion = true;
    state.ResumeTiming();
    benchmark::DoNotOptimize(w.Funktionsauswertung());
  }
}

void RunOfStartFunction(benchmark::State& state) {
  Run(state, "(x-2)(x^2+x+1)(x^2-3)", "(x+4)(x^2+1)^2");
}
BENCHMARK(RunOfStartFunction)->Unit(benchmark::kMillisecond);

void RunOfDegreeSum20(benchmark::State& state) {
  Run(state, "(x-1)(x-2)(x-3)(x-4)(x-5)(x-6)(x-7)(x-8)(x-9)(x-10)",
      "(x+1)(x+2)(x+3)(x+4)(x+5)(x+6)(x^2+1)^2");
}
BENCHMARK(RunOfDegreeSum20)->Unit(benchmark::kMillisecond);

// 100001 samples of the start function between its gap -4 and its zeros.
void IntegralOfStartFunction(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  w.EingF().SetText("(x-2)(x^2+x+1)(x^2-3)");
  w.EingF2().SetText("(x+4)(x^2+1)^2");
  w.Funktionsauswertung();
  for (auto _ : state) {
    std::string luecke;
    w.Integriere(-3, 1, luecke);
    benchmark::DoNotOptimize(w.Integral);
  }
}
BENCHMARK(IntegralOfStartFunction)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithOpenedWindow(argc, argv);
}
