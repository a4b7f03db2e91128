// How long a pasted term of 1 MiB takes through the whole parse chain and the exact reading until
// it is read or refused: the window stays frozen for that long.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstddef>
#include <string>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"
#include "exact/Term.h"
#include "parser/ParseChain.h"

namespace {

constexpr std::size_t kMiB = 1 << 20;

std::string Repeated(const std::string& piece, std::size_t length) {
  std::string s;
  s.reserve(length);
  while (s.size() + piece.size() <= length) s += piece;
  return s;
}

void Chain(benchmark::State& state, const std::string& term) {
  static CoreContext kontext;
  kontext.Registrieren();
  for (auto _ : state) {
    PolynomT P;
    bool ok = false;
    Parser::ParseChain(term, P, ok);
    benchmark::DoNotOptimize(ok);
    if (ok) benchmark::DoNotOptimize(Parser::ExactTerm(term));
    kontext.messages.clear();
  }
}

void Register(const char* name, const std::string& term) {
  benchmark::RegisterBenchmark(name, [term](benchmark::State& state) {
    Chain(state, term);
  })->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  // glibc maps a large block afresh, with its pages faulted in on every pass, until a first large
  // free raises its threshold, so without these a figure depended on which benchmarks had run
  // before it: up to three times. Set once, every row runs as in a window that has been in use.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 512 << 20);
  Register("sum x+x+...", Repeated("x+", kMiB));
  Register("sum x^2+x^2+...", Repeated("x^2+", kMiB));
  Register("bracket product (x+1)(x+1)...", Repeated("(x+1)", kMiB));
  Register("512 Ki nested brackets", std::string(kMiB / 2, '(') + "x" + std::string(kMiB / 2, ')'));
  Register("star product x*x*...", Repeated("x*", kMiB - 1) + "x");
  Register("nested second brackets ((x)((x)...", Repeated("((x)", kMiB));
  Register("nested second brackets (1)((1)(...", Repeated("(1)(", kMiB));
  Register("nested second brackets (1)((1)(...1", Repeated("(1)(", kMiB - 1) + "1");
  Register("nested second brackets (x)(x)((x)(x)(...x", Repeated("(x)(x)(", kMiB - 1) + "x");
  // Short enough that the sum of the ones, six whole digits, still fits the exact reader.
  const std::string lang = "0." + std::string(exact::kMaxNumberDigits - 10, '3');
  Register("a number of 9990 decimals, then +1+1...", lang + Repeated("+1", kMiB - lang.size()));
  Register("a number of 9990 decimals, then *3*3...", lang + Repeated("*3", kMiB - lang.size()));
  Register("sum of decimals 0.123456789x+...", Repeated("0.123456789x+", kMiB - 1) + "1");
  Register("one number of 1 MiB", "0." + std::string(kMiB - 4, '3') + "x+1");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
