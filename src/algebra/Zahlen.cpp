#include "algebra/Zahlen.h"

#include <cmath>
#include <limits>

#include "algebra/CoreContext.h"
#include "algebra/TextSemantics.h"

namespace Zahl {

bool IstNull(double x) {
  return std::abs(x) < 1e-9;
}

bool SindVerschieden(double a, double b) {
  return std::abs(b - a) > 1e-7;
}

double Runden(double x) {
  const double r = text::Round(x);
  return std::abs(x - r) < 1e-9 ? r : x;
}

void RundnfAusg(double& x) {
  const double r = text::Round(x);
  if (std::abs(x - r) < 5e-5) x = r;
}

double Gerundet(std::int32_t n, double x) {
  const double p = std::pow(10.0, n);
  const double scaled = x * p;
  // Beyond the Double range in either direction (10^n infinite or 0) x stays as it is.
  if (!std::isfinite(scaled) || p == 0) return x;
  return text::Round(scaled) / p;
}

bool IstGanzzahlig(double x) {
  return IstNull(x - text::ToInt32(text::Round(x)));
}

std::int64_t ggT(std::int64_t a, std::int64_t b) {
  if (a == 0 && b == 0) return 999999999;
  // Magnitudes in unsigned arithmetic: the magnitude of the smallest Int64 has no Int64.
  auto magnitude = [](std::int64_t v) {
    return v < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
  };
  std::uint64_t u = magnitude(a);
  std::uint64_t v = magnitude(b);
  if (u < v) std::swap(u, v);
  while (v > 0) {
    const std::uint64_t w = u % v;
    u = v;
    v = w;
  }
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  return static_cast<std::int64_t>(u > kMax ? kMax : u);
}

std::string xhoch(std::int32_t n) {
  if (n <= 0) return "";
  if (n == 1) return "x";
  return "x" + text::Chr(94) + text::Str(n);
}

std::string Nulls2FakStr(double x, double k) {
  const double c = Gerundet(CoreContext::Instanz().Stellenzahl, x);
  std::string s;
  if (c == 0) {
    s = "x";
  } else if (c > 0) {
    s = "( x-" + text::Str(c) + ")";
  } else {
    s = "( x + " + text::Str(std::abs(c)) + ")";
  }
  if (k > 1) s += "^" + text::Str(k);
  return s;
}

void Summand(std::string& term, bool negativ, bool eins, std::string_view betrag,
             std::int32_t potenz) {
  if (negativ) {
    term += "- ";
  } else if (!term.empty()) {
    term += "+ ";
  }
  if (!(eins && potenz >= 1)) term += betrag;
  term += xhoch(potenz) + "  ";
}

void ZahlFilter(std::string& s) {
  std::string t;
  for (char c : s) {
    if (c == ',') {
      t += '.';
    } else if (text::InStr("0123456789.-", std::string(1, c)) != 0) {
      t += c;
    }
  }
  s = t;
}

namespace {

template <typename Prepare>
std::string NumberList(const ZeroSet& a, Prepare prepare) {
  std::string s;
  for (int i = 1; i <= a.count(); ++i) {
    double v = prepare(a[i]);
    RundnfAusg(v);
    if (i > 1) s += "  ,  ";
    s += text::Str(v);
  }
  return s;
}

}  // namespace

std::string Zahlfeldausgabe(const ZeroSet& a) {
  return NumberList(a, [](double v) { return v; });
}

std::string Zahlfeldausgabe2(const ZeroSet& a) {
  const std::int32_t n = CoreContext::Instanz().Stellenzahl;
  return NumberList(a, [n](double v) { return Gerundet(n, v); });
}

void Kiki(std::int32_t n) {
  CoreContext::Instanz().MsgBox("Meldung " + text::Str(n));
}

}  // namespace Zahl
