// What the list file costs with the real window, offscreen, with scripted services: saving and
// loading the largest list file the program accepts.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchWindow.h"
#include "funclist/core/Funktionsliste.h"

namespace {

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
  HauptF& w = OpenedWindow();
  for (auto _ : state) {
    state.PauseTiming();
    w.RListe = {Funktionsliste::kNullfunktion};
    Services().AnswerOpenDialog(file);
    state.ResumeTiming();
    w.RLaden();
  }
  state.counters["entries"] = static_cast<double>(w.RListe.size());
}
BENCHMARK(LoadFullListFile)->Unit(benchmark::kMillisecond);

void SaveFullList(benchmark::State& state) {
  QTemporaryDir folder;
  const std::filesystem::path file = folder.filePath("RDaten").toStdString();
  HauptF& w = OpenedWindow();
  w.RListe = {Funktionsliste::kNullfunktion};
  Funktionsliste::Eintraege(FullListFile()).swap(w.RListe);
  for (auto _ : state) {
    state.PauseTiming();
    Services().AnswerSaveDialog(file);
    state.ResumeTiming();
    w.RSpeichern();
  }
}
BENCHMARK(SaveFullList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithOpenedWindow(argc, argv);
}
