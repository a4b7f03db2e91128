#pragma once

#include <benchmark/benchmark.h>

#include "ScriptedServices.h"
#include "app/HauptF.h"
#include "app/Varelto.h"

// The benchmarks of one executable share one real window, opened offscreen with scripted
// services, between the application object's birth and death.

namespace bench_window {
inline HauptF* opened = nullptr;
inline ScriptedServices* scripted = nullptr;
}  // namespace bench_window

// Valid only while RunWithOpenedWindow runs the benchmarks.
inline HauptF& OpenedWindow() {
  return *bench_window::opened;
}
inline ScriptedServices& Services() {
  return *bench_window::scripted;
}

// The whole main of a window benchmark: opens the window, then runs the benchmarks the command
// line selects.
inline int RunWithOpenedWindow(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  Varelto app(argc, argv);
  benchmark::Initialize(&argc, argv);
  {
    ScriptedServices services;
    HauptF window(services);
    window.Event_Open();
    bench_window::opened = &window;
    bench_window::scripted = &services;
    benchmark::RunSpecifiedBenchmarks();
    bench_window::opened = nullptr;
    bench_window::scripted = nullptr;
  }
  benchmark::Shutdown();
  return 0;
}
