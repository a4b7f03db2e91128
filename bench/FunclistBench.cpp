// What the list file costs with the real window, offscreen, with scripted services: loading and
// saving lists up to the largest file the program accepts, and "Anzeigen" of such a list in the
// real message box, from building its text until the box has been painted; and "h aus Liste holen"
// and "f <-> h" on one large entry.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchWindow.h"
#include "app/QtServices.h"
#include "funclist/core/Funktionsliste.h"
#include "funclist/core/Listenbefehle.h"

namespace {

using ListFile = std::string (*)(std::size_t bytes);

// A list file of at most this many bytes whose entries are made by entry(i), all distinct.
template <class Entry>
std::string FileOf(std::size_t bytes, Entry entry) {
  std::string content;
  for (std::int64_t i = 0;; ++i) {
    const std::string next = "$" + entry(i);
    if (content.size() + next.size() + 1 > bytes) break;
    content += next;
  }
  return content + "\n";
}

// Function texts as the evaluation run writes them, about 30 bytes each.
std::string FunctionTexts(std::size_t bytes) {
  return FileOf(
      bytes, [](std::int64_t i) { return "(" + std::to_string(i) + "  + x^3  ) / (1  + x^2  )"; });
}

// The shortest distinct entries: the most pieces a file of this size may offer.
std::string ShortestEntries(std::size_t bytes) {
  return FileOf(bytes, [](std::int64_t i) { return std::to_string(i); });
}

std::size_t Bytes(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0)) << 20;
}

// The window's list as loading this file into a list of only the zero function leaves it.
void LoadIntoWindow(HauptF& w, const std::string& file) {
  w.RListe = {Funktionsliste::kNullfunktion};
  Funktionsliste::EintraegeAnfuegen(w.RListe, Funktionsliste::Eintraege(file));
}

void LoadListFile(benchmark::State& state, ListFile make) {
  QTemporaryDir folder;
  const std::filesystem::path file = folder.filePath("RDaten").toStdString();
  std::ofstream(file, std::ios::binary) << make(Bytes(state));
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
BENCHMARK_CAPTURE(LoadListFile, function_texts, FunctionTexts)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadListFile, shortest_entries, ShortestEntries)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond);

void SaveList(benchmark::State& state, ListFile make) {
  QTemporaryDir folder;
  const std::filesystem::path file = folder.filePath("RDaten").toStdString();
  HauptF& w = OpenedWindow();
  LoadIntoWindow(w, make(Bytes(state)));
  for (auto _ : state) {
    state.PauseTiming();
    Services().AnswerSaveDialog(file);
    state.ResumeTiming();
    w.RSpeichern();
  }
  state.counters["entries"] = static_cast<double>(w.RListe.size());
}
BENCHMARK_CAPTURE(SaveList, function_texts, FunctionTexts)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveList, shortest_entries, ShortestEntries)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond);

// "Anzeigen" of this list: its text built, the real box shown, painted and closed again.
void ShowList(benchmark::State& state, const std::string& file) {
  HauptF& w = OpenedWindow();
  LoadIntoWindow(w, file);
  QtServices services;
  for (auto _ : state) {
    QTimer::singleShot(0, [] {
      if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        box->grab();
        box->reject();
      }
    });
    services.MsgBox(Funktionsliste::Anzeigetext(w.RListe));
  }
  state.counters["entries"] = static_cast<double>(w.RListe.size());
}

void ShowListOf(benchmark::State& state, ListFile make) {
  ShowList(state, make(Bytes(state)));
}
BENCHMARK_CAPTURE(ShowListOf, function_texts, FunctionTexts)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowListOf, shortest_entries, ShortestEntries)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond);

// A file of one entry of n characters without a single break point.
std::string OneLineFile(std::size_t n) {
  return "$" + std::string(n, 'x');
}

BENCHMARK_CAPTURE(ShowList, one_line_of_1MiB, OneLineFile((std::size_t{1} << 20) - 2))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowList, one_line_of_200KB, OneLineFile(200000))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowList, entry_of_15000, OneLineFile(15000))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowList, entry_of_2000, OneLineFile(2000))->Unit(benchmark::kMillisecond);

// One large entry as a file may bring it: a sum of x over 1, of about this many bytes.
std::string LargeEntry(std::size_t bytes) {
  std::string numerator;
  numerator.reserve(bytes);
  while (numerator.size() + 2 < bytes) numerator += "x+";
  return numerator + "x / 1";
}

std::size_t KiB(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0)) << 10;
}

// One entry from 64 KiB to 16 MiB.
void LargeEntrySizes(benchmark::internal::Benchmark* b) {
  for (int kib : {64, 256, 1024, 4096, 16384}) b->Arg(kib);
  b->Unit(benchmark::kMillisecond);
}

// "h aus Liste holen" onto the one large entry of the list.
void FetchLargeEntryIntoH(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  w.RListe = {Funktionsliste::kNullfunktion, LargeEntry(KiB(state))};
  for (auto _ : state) {
    state.PauseTiming();
    w.PZeiger = 0;
    w.AnzeigeF().SetText("");
    state.ResumeTiming();
    w.Control<PushButton>("RNextB1").click();
  }
  w.AnzeigeF().SetText("");
  w.RListe = {Funktionsliste::kNullfunktion};
}
BENCHMARK(FetchLargeEntryIntoH)->Apply(LargeEntrySizes);

// "f <-> h" with the large entry in h: f analysed, the entry written into the term fields and
// analysed in turn.
void SwapFWithLargeH(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  const std::string h = LargeEntry(KiB(state));
  for (auto _ : state) {
    state.PauseTiming();
    w.EingF().SetText("x");
    w.EingF2().SetText("1");
    w.AnzeigeF().SetText(h);
    state.ResumeTiming();
    w.Control<PushButton>("RZeigB").click();
  }
  w.AnzeigeF().SetText("");
  w.RListe = {Funktionsliste::kNullfunktion};
}
BENCHMARK(SwapFWithLargeH)->Apply(LargeEntrySizes);

}  // namespace

int main(int argc, char** argv) {
  return RunWithOpenedWindow(argc, argv);
}
