#include "parser/String2Poly.h"

#include <array>
#include <cstddef>
#include <utility>

#include "algebra/CoreContext.h"
#include "algebra/TextSemantics.h"
#include "parser/CharSet.h"

namespace Parser {
namespace {

constexpr int kMaxPower = PolynomT::kMaxGrad;

std::string PowerPattern(int n) {
  return "x" + text::Chr(94) + text::Str(std::int32_t{n});
}

// Inside the reading a power x^n is n letters x, so powers written side by side add up.
std::string PowersToLetters(std::string s) {
  // Spares the 83 pattern searches the many texts without a power.
  if (text::InStr(s, text::Chr(94)) == 0) return s;
  for (int n = kMaxPower; n >= 1; --n)
    s = ZeichenReduzieren(s, PowerPattern(n), std::string(n, 'x'));
  // Catches powers the first pass only produced, as in x^1^2.
  for (int n = 2; n <= kMaxPower; ++n)
    s = ZeichenReduzieren(s, PowerPattern(n), std::string(n, 'x'));
  return s;
}

// Afterwards every "-" follows a "+" and every letter x after a sign has the coefficient 1.
std::string SignsToPieces(std::string s) {
  s = ZeichenReduzieren(s, "-", "%");
  s = ZeichenReduzieren(s, "+x", "+1x");
  s = ZeichenReduzieren(s, "%x", "%1x");
  return ZeichenReduzieren(s, "%", "+-");
}

}  // namespace

std::string FehlzeichenKillen(const std::string& s) {
  static const CharSet kTermCharacters("0123456789+-x*.^");
  std::string result;
  for (char c : s)
    if (kTermCharacters.Has(c)) result += c;
  return result;
}

std::string ZeichenReduzieren(std::string s, const std::string& sought,
                              const std::string& replacement) {
  if (sought.empty()) return s;
  const std::size_t first = text::InStr(s, sought);
  if (first == 0) return s;
  // The text is written out character by character; the written part never holds sought, so the
  // first occurrence is always the one that the last written character completes. A replacement
  // is written the same way, since it may complete an occurrence with what stands before it. This
  // replaces exactly as the search from the start would, without moving the rest of the text for
  // every occurrence.
  std::string written = s.substr(0, first - 1);
  std::string pending;
  auto write = [&](char c) {
    written += c;
    if (written.size() >= sought.size() &&
        text::InStr(std::string_view(written).substr(written.size() - sought.size()), sought) ==
            1) {
      written.resize(written.size() - sought.size());
      pending.insert(pending.end(), replacement.rbegin(), replacement.rend());
    }
  };
  for (std::size_t i = first - 1; i < s.size(); ++i) {
    write(s[i]);
    while (!pending.empty()) {
      const char c = pending.back();
      pending.pop_back();
      write(c);
    }
  }
  return written;
}

void String2Poly(PolynomT& P, std::string s, bool& ok) {
  CoreContext::Instanz().wzaehler = 0;
  ok = true;
  for (int d = 0; d <= 9; ++d)
    if (text::InStr(s, "x" + text::Str(std::int32_t{d})) > 0) ok = false;

  s = FehlzeichenKillen(s);
  static const std::array<std::pair<const char*, const char*>, 7> kReductions{{
      {"++", "+"},
      {"+-", "-"},
      {"-+", "-"},
      {"--", "+"},
      {"*", ""},
      {"^+", "^"},
      {"^^", "^"},
  }};
  for (const auto& [sought, replacement] : kReductions)
    s = ZeichenReduzieren(s, sought, replacement);
  s = SignsToPieces(PowersToLetters(s));
  if (text::InStr(text::Left(s, 1), "x") == 1) s = "1" + s;
  if (!ok) return;

  PolynomT sums;
  s = "+" + s;
  for (std::size_t start = 1; start <= s.size();) {
    std::size_t end = s.find('+', start);
    if (end == std::string::npos) end = s.size();
    const std::string_view piece = std::string_view(s).substr(start, end - start);
    const double v = text::Val(piece);
    const std::size_t p = text::InStr(piece, "x");
    const std::size_t power = p == 0 ? 0 : piece.size() - p + 1;
    if (power > static_cast<std::size_t>(kMaxPower)) {
      ok = false;
      return;
    }
    sums.Koeff[power] += v;
    start = end + 1;
  }
  if (!sums.AllFinite()) {
    ok = false;
    return;
  }
  P.Koeff = sums.Koeff;
}

void Whilekontrolle(bool& ok) {
  auto& context = CoreContext::Instanz();
  ++context.wzaehler;
  if (context.wzaehler > 500) ok = false;
}

}  // namespace Parser
