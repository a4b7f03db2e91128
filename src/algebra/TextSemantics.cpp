#include "algebra/TextSemantics.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace text {
namespace {

std::string NonFinite(double v) {
  if (std::isnan(v)) return "nan";
  return v < 0 ? "-inf" : "inf";
}

// Drops trailing zeros after a decimal point, then the point itself, and writes -0 as 0.
std::string Trimmed(std::string s) {
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

// The largest finite double has 309 integer digits; no mask of the program has more than 15
// decimals.
constexpr int kMaxDecimals = 40;
using NumberBuffer = std::array<char, 309 + 2 + kMaxDecimals + 8>;

std::string Fixed(double v, int decimals) {
  NumberBuffer buf;
  auto r =
      std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, decimals);
  return std::string(buf.data(), r.ptr);
}

std::string ShortestFixed(double v) {
  // Shortest fixed texts of tiny values hold up to 324 decimals.
  std::array<char, 700> buf;
  auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed);
  return std::string(buf.data(), r.ptr);
}

std::size_t Decimals(const std::string& s) {
  auto dot = s.find('.');
  return dot == std::string::npos ? 0 : s.size() - dot - 1;
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string Str(double v) {
  if (!std::isfinite(v)) return NonFinite(v);
  if (v == 0) return "0";
  // 15 significant digits, "d.dddddddddddddde+XX", then written out in fixed notation.
  std::array<char, 64> buf;
  auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific, 14);
  const std::string_view sci(buf.data(), static_cast<std::size_t>(r.ptr - buf.data()));
  const bool negative = sci.front() == '-';
  const std::size_t e = sci.find('e');
  std::string digits;
  for (char c : sci.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
    if (c != '.') digits += c;
  int exponent = 0;
  const std::string_view exp = sci.substr(e + 1);
  std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0), exp.data() + exp.size(), exponent);
  std::string fixed;
  if (exponent < 0) {
    fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
    fixed = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
  } else {
    const auto split = static_cast<std::size_t>(exponent) + 1;
    fixed = digits.substr(0, split) + "." + digits.substr(split);
  }
  return Trimmed((negative ? "-" : "") + fixed);
}

std::string Str(std::int32_t v) {
  return std::to_string(v);
}
std::string Str(std::int64_t v) {
  return std::to_string(v);
}

std::string Format(double v, std::string_view mask) {
  if (!std::isfinite(v)) return Str(v);
  const auto dot = mask.find('.');
  int k = 0;
  if (dot != std::string_view::npos)
    for (char c : mask.substr(dot + 1)) k += (c == '#');
  if (k <= 7) {
    const double p = std::pow(10.0, k);
    const double scaled = v * p;
    const double r = std::isfinite(scaled) ? Round(scaled) / p : v;
    return Trimmed(Fixed(r, k));
  }
  if (k > kMaxDecimals) k = kMaxDecimals;
  std::string s = ShortestFixed(v);
  if (Decimals(s) > static_cast<std::size_t>(k)) s = Fixed(v, k);
  return Trimmed(s);
}

std::string_view ValText(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  const std::size_t start = i;
  if (i < s.size() && s[i] == '-') ++i;
  bool dot = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '.' && !dot) {
      dot = true;
    } else if (c < '0' || c > '9') {
      break;
    }
  }
  return s.substr(start, i - start);
}

double Val(std::string_view s) {
  const std::string_view number = ValText(s);
  const bool negative = !number.empty() && number.front() == '-';
  std::string digits(number.substr(negative ? 1 : 0));
  if (digits.find_first_of("0123456789") == std::string::npos) return 0.0;
  const std::size_t point = digits.find('.');
  const bool nonZero = digits.find_first_of("123456789") != std::string::npos;
  const bool nonZeroBeforeDot =
      digits.substr(0, point).find_first_of("123456789") != std::string::npos;
  if (digits.front() == '.') digits.insert(digits.begin(), '0');
  double v = 0.0;
  auto r =
      std::from_chars(digits.data(), digits.data() + digits.size(), v, std::chars_format::fixed);
  if (r.ec == std::errc::result_out_of_range) {
    v = nonZeroBeforeDot ? std::numeric_limits<double>::infinity() : 0.0;
  }
  if (!nonZero) v = 0.0;
  return (negative && v != 0.0) ? -v : v;
}

double Round(double v) {
  return std::round(v);
}

std::int32_t ToInt32(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::round(v);
  if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

std::int64_t ToInt64(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::round(v);
  // 2^63 is the first double beyond the Int64 range.
  if (r >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
  if (r < -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

std::size_t InStr(std::size_t start, std::string_view s, std::string_view what) {
  if (start < 1) start = 1;
  if (start > s.size() + 1) return 0;
  if (what.empty()) return start;
  // The parser asks for one character of a set at every position of a term.
  if (what.size() == 1 && Lower(what[0]) == what[0] && (what[0] < 'a' || what[0] > 'z')) {
    const std::size_t k = s.find(what[0], start - 1);
    return k == std::string_view::npos ? 0 : k + 1;
  }
  for (std::size_t i = start - 1; i + what.size() <= s.size(); ++i) {
    std::size_t j = 0;
    while (j < what.size() && Lower(s[i + j]) == Lower(what[j])) ++j;
    if (j == what.size()) return i + 1;
  }
  return 0;
}

std::size_t InStr(std::string_view s, std::string_view what) {
  return InStr(1, s, what);
}

std::string Left(std::string_view s, std::size_t n) {
  return std::string(s.substr(0, n));
}

std::string Right(std::string_view s, std::size_t n) {
  return n >= s.size() ? std::string(s) : std::string(s.substr(s.size() - n));
}

std::string Mid(std::string_view s, std::size_t p) {
  if (p < 1) p = 1;
  return p > s.size() ? std::string() : std::string(s.substr(p - 1));
}

std::string Mid(std::string_view s, std::size_t p, std::size_t n) {
  if (p < 1) p = 1;
  return p > s.size() ? std::string() : std::string(s.substr(p - 1, n));
}

bool IsPlainText(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) {
      if ((lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r') || lead == 0x7F)
        return false;
      ++i;
      continue;
    }
    // The lead byte tells how many continuation bytes follow and so the smallest code point that
    // needs that many; anything below it is an overlong form.
    std::size_t follow = 0;
    char32_t smallest = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
      follow = 1;
      smallest = 0x80;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      follow = 2;
      smallest = 0x800;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      follow = 3;
      smallest = 0x10000;
      c = lead & 0x07;
    } else {
      return false;
    }
    if (s.size() - i <= follow) return false;
    for (std::size_t k = 1; k <= follow; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    if (c <= 0x9F) return false;  // the C1 controls, the only ones beyond ASCII
    i += follow + 1;
  }
  return true;
}

}  // namespace text
