// What the evaluation run and the integral cost with the real window, offscreen, with scripted
// services: the code behind "OK" and "Integrieren", without painting.

#include <benchmark/benchmark.h>

#include <string>

#include "BenchWindow.h"
#include "exact/Term.h"
#include "exact/TermText.h"

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

// g and f of degree 10 each, with multiple zeros and poles on decimals: "f := g * f" stays just
// below its limit of 21.
const char* const kGZaehler = "(x-0.125)^2(x-0.35)(x-2.5)(x+1.5)";
const char* const kGNenner = "(x+0.5)^2(x-4)(x^2+1)";
const char* const kFZaehler = "(x-0.125)^3(x-0.45)^2";
const char* const kFNenner = "(x-0.625)(x+1.25)^2(x^2+2)";

void Typed(HauptF& w, const std::string& zaehler, const std::string& nenner) {
  w.EingF().SetText(zaehler);
  w.EingF2().SetText(nenner);
  w.NeueFunktion = true;
  w.Funktionsauswertung();
}

void Click(HauptF& w, const char* button) {
  w.findChild<PushButton*>(button)->click();
}

// g and f as above, and h the function text of f.
void Registers(HauptF& w) {
  Typed(w, kGZaehler, kGNenner);
  Click(w, "gfB");
  Typed(w, kFZaehler, kFNenner);
  w.AnzeigeF().SetText(w.RRR.Term2string());
}

// One register button with the evaluation run it starts; f is typed anew before each press
// where the button changes it for good.
void Register(benchmark::State& state, const char* button, bool fNeu) {
  HauptF& w = OpenedWindow();
  Registers(w);
  for (auto _ : state) {
    if (fNeu) {
      state.PauseTiming();
      Typed(w, kFZaehler, kFNenner);
      state.ResumeTiming();
    }
    Click(w, button);
  }
  benchmark::DoNotOptimize(w.RRR.Zl.Koeff);
}

void ProductGTimesF(benchmark::State& state) {
  Register(state, "gmalfB", true);
}
BENCHMARK(ProductGTimesF)->Unit(benchmark::kMillisecond);

void DifferenceGMinusF(benchmark::State& state) {
  Register(state, "gmalfB1", true);
}
BENCHMARK(DifferenceGMinusF)->Unit(benchmark::kMillisecond);

void ReciprocalOfF(benchmark::State& state) {
  Register(state, "gmalfB11", false);
}
BENCHMARK(ReciprocalOfF)->Unit(benchmark::kMillisecond);

void SwapGAndF(benchmark::State& state) {
  Register(state, "gfB", false);
}
BENCHMARK(SwapGAndF)->Unit(benchmark::kMillisecond);

void SwapFAndH(benchmark::State& state) {
  Register(state, "RZeigB", false);
}
BENCHMARK(SwapFAndH)->Unit(benchmark::kMillisecond);

void SwapGAndH(benchmark::State& state) {
  Register(state, "g_AnzB", false);
}
BENCHMARK(SwapGAndH)->Unit(benchmark::kMillisecond);

// "f .= f'" refuses a degree sum of 16 or more: f of degree 8 over 7, whose derivative is too
// large for the integer-content reduction and says so.
void DerivativeOfF(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  for (auto _ : state) {
    state.PauseTiming();
    Typed(w, "(x-0.125)^3(x-0.45)^2(x+2.5)^3", "(x-0.625)^3(x+1.25)^2(x^2+2)");
    Services().ExpectMsgBox();
    state.ResumeTiming();
    Click(w, "g_AnzB1");
  }
}
BENCHMARK(DerivativeOfF)->Unit(benchmark::kMillisecond);

void ShiftOfF(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  for (auto _ : state) {
    state.PauseTiming();
    Typed(w, kFZaehler + std::string("(x+0.3)^5"), kFNenner + std::string("(x-3)^5"));
    w.xVF().SetText("0.123456789");
    w.yVF().SetText("1.5");
    state.ResumeTiming();
    Click(w, "VerschiebeB");
  }
}
BENCHMARK(ShiftOfF)->Unit(benchmark::kMillisecond);

// The term text the program writes of (x-0.123456789)^20, with 180 decimals in its constant,
// written, read back from the field and analysed.
void ExactTextOfDegree20(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  const exact::Polynomial p = *exact::ReadTerm("(x-0.123456789)^20");
  for (auto _ : state) {
    w.termfelderExakt = {};
    w.EingF().SetText(exact::TermText(p));
    w.EingF2().SetText("1");
    w.NeueFunktion = true;
    benchmark::DoNotOptimize(w.Funktionsauswertung());
  }
}
BENCHMARK(ExactTextOfDegree20)->Unit(benchmark::kMillisecond);

// x^20 shifted by a vector of 121 decimals, whose constant then has 2420, and read back from h by
// "f <-> h" twice.
void ShiftByLongVectorAndReadBack(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  for (auto _ : state) {
    state.PauseTiming();
    Typed(w, "x^20", "1");
    w.AnzeigeF().SetText("");
    w.xVF().SetText("0." + std::string(121, '3'));
    w.yVF().SetText("0");
    state.ResumeTiming();
    Click(w, "VerschiebeB");
    Click(w, "RZeigB");
    Click(w, "RZeigB");
  }
}
BENCHMARK(ShiftByLongVectorAndReadBack)->Unit(benchmark::kMillisecond);

// Typed terms with numbers as long as the exact reader takes: one, and ten of them, 1 MiB.
std::string LongCoefficients(int count) {
  std::string zaehler = "1";
  for (int i = 1; i <= count; ++i)
    zaehler += (i % 2 ? "-0." : "+0.") + std::string(exact::kMaxNumberDigits - 2, char('0' + i % 9 + 1)) +
               "x^" + std::to_string(i);
  return zaehler;
}

void RunOfOneLongestNumber(benchmark::State& state) {
  Run(state, LongCoefficients(1), "x-1");
}
BENCHMARK(RunOfOneLongestNumber)->Unit(benchmark::kMillisecond);

void RunOfTenLongestNumbers(benchmark::State& state) {
  Run(state, LongCoefficients(10), "x-1");
}
BENCHMARK(RunOfTenLongestNumbers)->Unit(benchmark::kMillisecond);

// Degree 41 over 1: the run says that the degree sum is too large and analyses f all the same.
void RunOf41LongestNumbers(benchmark::State& state) {
  HauptF& w = OpenedWindow();
  const std::string zaehler = LongCoefficients(41);
  for (auto _ : state) {
    state.PauseTiming();
    w.EingF().SetText(zaehler);
    w.EingF2().SetText("1");
    w.NeueFunktion = true;
    Services().ExpectMsgBox();
    state.ResumeTiming();
    benchmark::DoNotOptimize(w.Funktionsauswertung());
  }
}
BENCHMARK(RunOf41LongestNumbers)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithOpenedWindow(argc, argv);
}
