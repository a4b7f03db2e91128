// What the list file costs with the real window, offscreen, with scripted services: saving and
// loading the largest list file the program accepts, and showing what such a file loads in the
// real message box of "Anzeigen".

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchWindow.h"
#include "app/QtServices.h"
#include "funclist/core/Funktionsliste.h"
#include "funclist/core/Listenbefehle.h"

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

// A file of one entry of n characters without a single break point.
std::string OneLineFile(std::size_t n) {
  return "$" + std::string(n, 'x');
}

// "Anzeigen" after loading this file: from the call of the real box until it has been painted
// and closed again.
void ShowLoadedList(benchmark::State& state, const std::string& file) {
  QTemporaryDir folder;
  const std::filesystem::path path = folder.filePath("RDaten").toStdString();
  std::ofstream(path, std::ios::binary) << file;
  HauptF& w = OpenedWindow();
  w.RListe = {Funktionsliste::kNullfunktion};
  Services().AnswerOpenDialog(path);
  w.RLaden();
  const std::string text = Funktionsliste::Anzeigetext(w.RListe);
  QtServices services;
  for (auto _ : state) {
    QTimer::singleShot(0, [] {
      if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        box->grab();
        box->reject();
      }
    });
    services.MsgBox(text);
  }
  state.counters["entries"] = static_cast<double>(w.RListe.size());
}
BENCHMARK_CAPTURE(ShowLoadedList, full_list_file, FullListFile())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowLoadedList, one_line_of_1MiB, OneLineFile((std::size_t{1} << 20) - 2))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowLoadedList, one_line_of_200KB, OneLineFile(200000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowLoadedList, entry_of_15000, OneLineFile(15000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowLoadedList, entry_of_2000, OneLineFile(2000))->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithOpenedWindow(argc, argv);
}
