// What the list file costs with the real window, offscreen, with scripted services: saving and
// loading the largest list file the program accepts.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>

#include "ScriptedServices.h"
#include "app/HauptF.h"
#include "app/Varelto.h"
#include "funclist/core/Funktionsliste.h"

namespace {

// Opened in main, between the application object's birth and death.
HauptF* opened = nullptr;
ScriptedServices* scripted = nullptr;

// Distinct short entries up to just below the size limit: the most pieces a file may offer.
std::string FullListFile() {
  std::string content;
  for (int i = 0; content.size() < (std::size_t{1} << 20) - 16; ++i)
    content += "$" + std::to_string(i);
  return content + "\n";
}

void LoadFullListFile(benchmark::State& state) {
  QTemporaryDir folder;
  const std::filesystem::path file = folder.filePath("RDaten").toStdString();
  std::ofstream(file, std::ios::binary) << FullListFile();
  for (auto _ : state) {
    state.PauseTiming();
    opened->RListe = {Funktionsliste::kNullfunktion};
    scripted->AnswerOpenDialog(file);
    state.ResumeTiming();
    opened->RLaden();
  }
  state.counters["entries"] = static_cast<double>(opened->RListe.size());
}
BENCHMARK(LoadFullListFile)->Unit(benchmark::kMillisecond);

void SaveFullList(benchmark::State& state) {
  QTemporaryDir folder;
  const std::filesystem::path file = folder.filePath("RDaten").toStdString();
  opened->RListe = {Funktionsliste::kNullfunktion};
  Funktionsliste::Eintraege(FullListFile()).swap(opened->RListe);
  for (auto _ : state) {
    state.PauseTiming();
    scripted->AnswerSaveDialog(file);
    state.ResumeTiming();
    opened->RSpeichern();
  }
}
BENCHMARK(SaveFullList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  Varelto app(argc, argv);
  benchmark::Initialize(&argc, argv);
  {
    ScriptedServices services;
    HauptF window(services);
    window.Event_Open();
    opened = &window;
    scripted = &services;
    benchmark::RunSpecifiedBenchmarks();
    opened = nullptr;
    scripted = nullptr;
  }
  benchmark::Shutdown();
  return 0;
}
