// The fast analysis beside the literal algorithm on the same inputs. Each case runs as
// "<case>/fast" and "<case>/literal"; the table at the end gives the ratios.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "LiteralReference.h"
#include "TestPolynomials.h"
#include "algebra/CoreContext.h"
#include "exact/Cascade.h"
#include "exact/Function.h"
#include "roots/ExakteNullstellen.h"
#include "roots/Faktorform.h"
#include "roots/KritischePunkte.h"
#include "roots/Nullstellen.h"

namespace {

CoreContext& Kontext() {
  static CoreContext k;
  k.Registrieren();
  return k;
}

// The core's part of one evaluation run of a function that RR already holds: zeros and gaps,
// factor forms of numerator and denominator, critical points and plot range.
void AnalyseFast(RationalT& f) {
  ZeroSet zeros;
  ZeroSet gaps;
  Analyse::FindeNullstellen(f.Zl, zeros);
  Analyse::FindeNullstellen(f.Nn, gaps);
  benchmark::DoNotOptimize(f.Zl.Faktorform());
  benchmark::DoNotOptimize(f.Nn.Faktorform());
  Analyse::FindeKP(f, Kontext().KPMenge);
  f.EckenErmitteln();
}

// The same as the evaluation run does it where f carries its exact terms, from the exact terms
// as read, so the decompositions are computed anew in every iteration.
void AnalyseExact(RationalT& f, const exact::Polynomial& zaehler, const exact::Polynomial& nenner) {
  f.exakt = std::make_shared<const exact::Function>(zaehler, nenner, f);
  const exact::Function& x = *f.exakt;
  ZeroSet zeros;
  ZeroSet gaps;
  Analyse::Nullstellen(x.DerivativeFactors(0), zeros);
  Analyse::Nullstellen(x.TermFactors(1), gaps);
  benchmark::DoNotOptimize(Analyse::Faktorform(f.Zl, x.Numerator(), x.TermFactors(0)));
  benchmark::DoNotOptimize(Analyse::Faktorform(f.Nn, x.Denominator(), x.TermFactors(1)));
  Analyse::FindeKP(f, Kontext().KPMenge);
  f.EckenErmitteln();
}

void AnalyseLiteral(RationalT& f, std::int64_t& evaluations) {
  ZeroSet zeros;
  ZeroSet gaps;
  literal::FindeNullstellen(f.Zl, zeros, evaluations);
  literal::FindeNullstellen(f.Nn, gaps, evaluations);
  benchmark::DoNotOptimize(literal::Faktorform(f.Zl, evaluations));
  benchmark::DoNotOptimize(literal::Faktorform(f.Nn, evaluations));
  literal::FindeKP(f, Kontext().KPMenge, evaluations);
  literal::EckenErmitteln(f, evaluations);
}

using Finder = void (*)(const PolynomT&, ZeroSet&, std::int64_t&);

void RegisterRoots(const std::string& name, void (*build)(PolynomT&)) {
  for (const auto& [variant, finder] :
       {std::pair<const char*, Finder>{"fast", &Analyse::FindeNullstellen},
        std::pair<const char*, Finder>{"literal", &literal::FindeNullstellen}}) {
    benchmark::RegisterBenchmark(("FindeNullstellen " + name + "/" + variant).c_str(),
                                 [build, finder = finder](benchmark::State& state) {
                                   Kontext();
                                   PolynomT p;
                                   build(p);
                                   std::int64_t evaluations = 0;
                                   for (auto _ : state) {
                                     ZeroSet z;
                                     evaluations = 0;
                                     finder(p, z, evaluations);
                                     benchmark::DoNotOptimize(z.a.data());
                                   }
                                   state.counters["evaluations"] = static_cast<double>(evaluations);
                                 });
  }
}

using ExactFinder = void (*)(const exact::Cascade&, ZeroSet&, std::int64_t&);

exact::Polynomial ExactChebyshev42() {
  exact::Polynomial previous = exact::Polynomial::Constant(1);
  exact::Polynomial t = exact::Polynomial::X();
  for (int n = 1; n < 42; ++n) {
    exact::Polynomial next = exact::Polynomial::Constant(2) * exact::Polynomial::X() * t - previous;
    previous = t;
    t = next;
  }
  return t;
}

exact::Polynomial ExactFactorial42() {
  exact::Polynomial p = exact::Polynomial::Constant(1);
  for (long k = 1; k <= 42; ++k) p = p * (exact::Polynomial::X() - exact::Polynomial::Constant(k));
  return p;
}

// The same search on an exact polynomial, every sign decided exactly, with how often the
// compensated scheme and exact evaluation were needed.
void RegisterExactRoots(const std::string& name, exact::Polynomial (*build)()) {
  for (const auto& [variant, finder] :
       {std::pair<const char*, ExactFinder>{"fast", &Analyse::FindeNullstellen},
        std::pair<const char*, ExactFinder>{"literal", &literal::FindeNullstellen}}) {
    benchmark::RegisterBenchmark(("FindeNullstellen " + name + ", exact signs/" + variant).c_str(),
                                 [build, finder = finder](benchmark::State& state) {
                                   Kontext();
                                   const exact::Cascade cascade(build());
                                   std::int64_t evaluations = 0;
                                   for (auto _ : state) {
                                     ZeroSet z;
                                     evaluations = 0;
                                     cascade.ResetCounts();
                                     finder(cascade, z, evaluations);
                                     benchmark::DoNotOptimize(z.a.data());
                                   }
                                   state.counters["evaluations"] = static_cast<double>(evaluations);
                                   state.counters["compensated"] =
                                       static_cast<double>(cascade.Compensated());
                                   state.counters["exact"] = static_cast<double>(cascade.Exact());
                                 });
  }
}

void Zaehler(PolynomT& p) {
  RationalT f;
  SetzeStartfunktion(f);
  p.KopieVon(f.Zl);
}

void Nenner(PolynomT& p) {
  RationalT f;
  SetzeStartfunktion(f);
  p.KopieVon(f.Nn);
}

// Runs `fast` and `literal` on the start function with RR set as the evaluation run sets it.
void RegisterStart(const std::string& name, const std::function<void(RationalT&)>& fast,
                   const std::function<void(RationalT&)>& literalVariant) {
  for (const auto& [variant, run] :
       {std::pair<const char*, std::function<void(RationalT&)>>{"fast", fast},
        std::pair<const char*, std::function<void(RationalT&)>>{"literal", literalVariant}}) {
    benchmark::RegisterBenchmark((name + "/" + variant).c_str(),
                                 [run = run](benchmark::State& state) {
                                   RationalT f;
                                   SetzeStartfunktion(f);
                                   SetzeRR(Kontext(), f);
                                   for (auto _ : state) run(f);
                                 });
  }
}

// Console output plus a table of literal / fast per case.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred || r.run_type != Run::RT_Iteration) continue;
      const std::string name = r.benchmark_name();
      const std::size_t slash = name.rfind('/');
      if (slash == std::string::npos) continue;
      Entry& e = cases_[name.substr(0, slash)];
      const bool fast = name.substr(slash + 1) == "fast";
      (fast ? e.fastTime : e.literalTime) = r.GetAdjustedRealTime() * Microseconds(r.time_unit);
      const auto c = r.counters.find("evaluations");
      if (c != r.counters.end()) (fast ? e.fastEvaluations : e.literalEvaluations) = c->second;
      if (fast) order_.push_back(name.substr(0, slash));
    }
  }

  void Finalize() override {
    std::printf("\n%-44s %12s %12s %8s %10s\n", "case", "fast us", "literal us", "time x",
                "evals x");
    for (const std::string& name : order_) {
      const Entry& e = cases_[name];
      std::printf("%-44s %12.2f %12.2f %8.1f", name.c_str(), e.fastTime, e.literalTime,
                  e.literalTime / e.fastTime);
      if (e.fastEvaluations > 0) {
        std::printf(" %10.1f", e.literalEvaluations / e.fastEvaluations);
      }
      std::printf("\n");
    }
    ConsoleReporter::Finalize();
  }

 private:
  struct Entry {
    double fastTime = 0;
    double literalTime = 0;
    double fastEvaluations = 0;
    double literalEvaluations = 0;
  };

  static double Microseconds(benchmark::TimeUnit u) {
    switch (u) {
      case benchmark::kNanosecond:
        return 1e-3;
      case benchmark::kMillisecond:
        return 1e3;
      case benchmark::kSecond:
        return 1e6;
      default:
        return 1;
    }
  }

  std::map<std::string, Entry> cases_;
  std::vector<std::string> order_;
};

}  // namespace

int main(int argc, char** argv) {
  RegisterRoots("Chebyshev T42", &Tschebyschow42);
  RegisterRoots("(x-1)(x-2)...(x-42)", &Fakultaetspolynom42);
  RegisterRoots("(x^2-1)^21", &QuadratMinusEins21);
  RegisterRoots("start numerator", &Zaehler);
  RegisterExactRoots("Chebyshev T42", &ExactChebyshev42);
  RegisterExactRoots("(x-1)(x-2)...(x-42)", &ExactFactorial42);
  RegisterRoots("start denominator", &Nenner);
  RegisterStart(
      "FindeKP start function",
      [](RationalT& f) {
        ZeroSet k;
        Analyse::FindeKP(f, k);
        benchmark::DoNotOptimize(k.a.data());
      },
      [](RationalT& f) {
        ZeroSet k;
        std::int64_t evaluations = 0;
        literal::FindeKP(f, k, evaluations);
        benchmark::DoNotOptimize(k.a.data());
      });
  RegisterStart(
      "EckenErmitteln start function", [](RationalT& f) { f.EckenErmitteln(); },
      [](RationalT& f) {
        std::int64_t evaluations = 0;
        literal::EckenErmitteln(f, evaluations);
      });
  RegisterStart(
      "whole analysis of the start function", [](RationalT& f) { AnalyseFast(f); },
      [](RationalT& f) {
        std::int64_t evaluations = 0;
        AnalyseLiteral(f, evaluations);
      });
  benchmark::RegisterBenchmark("whole analysis of the start function on its exact terms",
                               [](benchmark::State& state) {
                                 RationalT f;
                                 SetzeStartfunktion(f);
                                 SetzeRR(Kontext(), f);
                                 const exact::Polynomial zaehler = exact::Polynomial::Of(f.Zl);
                                 const exact::Polynomial nenner = exact::Polynomial::Of(f.Nn);
                                 for (auto _ : state) AnalyseExact(f, zaehler, nenner);
                               });
  for (const char* variant : {"fast", "literal"}) {
    const bool fast = variant[0] == 'f';
    benchmark::RegisterBenchmark(
        (std::string("Faktorform degree 20/") + variant).c_str(), [fast](benchmark::State& state) {
          Kontext();
          PolynomT p;
          Grad20(p);
          std::int64_t evaluations = 0;
          for (auto _ : state)
            benchmark::DoNotOptimize(fast ? p.Faktorform() : literal::Faktorform(p, evaluations));
        });
  }

  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
