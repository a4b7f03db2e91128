#include <algorithm>
#include <cmath>

#include "algebra/CoreContext.h"
#include "algebra/RationalT.h"
#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"

namespace {
constexpr int kN = PolynomT::kMaxGrad + 1;
}

std::int64_t RationalT::InNKuerzen() {
  RationalT t;
  t.KopieVon(*this);
  t.Zl.Runden(10);
  t.Nn.Runden(10);
  std::int64_t a = 0;
  if (t.Zl.IstGanzzahlig() && t.Nn.IstGanzzahlig()) {
    for (int k = 0; k < kN; ++k)
      a = text::ToInt64(static_cast<double>(a) + std::abs(t.Zl.Koeff[k]) + std::abs(t.Nn.Koeff[k]));
    for (int k = 0; k < kN; ++k) {
      a = Zahl::ggT(a, text::ToInt64(t.Zl.Koeff[k]));
      a = Zahl::ggT(a, text::ToInt64(t.Nn.Koeff[k]));
    }
  }
  if (a <= 1) return 1;
  const double factor = static_cast<double>(a);
  const int gz = t.Zl.grad();
  for (int k = 0; k <= gz; ++k) Zl.Koeff[k] = Zl.Koeff[k] / factor;
  const int gn = t.Nn.grad();
  for (int k = 0; k <= gn; ++k) Nn.Koeff[k] = Nn.Koeff[k] / factor;
  CoreContext& kontext = CoreContext::Instanz();
  kontext.Report += text::Chr(12) + "Der Term " + Term2string() + " wurde mit " + text::Str(a) +
                    " gekürzt." + text::Chr(12);
  kontext.SetKuerzReportBVisible(true);
  return a;
}

std::int64_t RationalT::Kuerzen(std::string& report) {
  if (!(Zl.IstGanzzahlig() && Nn.IstGanzzahlig())) return 1;
  std::int64_t c = 0;
  for (int i = 0; i < kN; ++i)
    c = text::ToInt64(
        std::max({static_cast<double>(c), std::abs(Zl.Koeff[i]), std::abs(Nn.Koeff[i])}));
  if (c <= 1) return 1;
  for (int i = 0; i < kN; ++i) {
    c = Zahl::ggT(c, text::ToInt64(std::abs(Zl.Koeff[i])));
    c = Zahl::ggT(c, text::ToInt64(std::abs(Nn.Koeff[i])));
  }
  if (c <= 1) return 1;
  report += text::Chr(12) + "Der Funktionsterm " + Term2string() + " wurde durch Kürzen mit " +
            text::Str(c) + " vereinfacht";
  CoreContext::Instanz().SetKuerzReportBVisible(true);
  const double factor = static_cast<double>(c);
  for (int i = 0; i < kN; ++i) {
    Zl.Koeff[i] = Zl.Koeff[i] / factor;
    Nn.Koeff[i] = Nn.Koeff[i] / factor;
  }
  return c;
}
