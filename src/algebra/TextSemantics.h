#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program's number texts and text functions. Every text the program reads back (term texts,
// function-list files) passes through here, so none of it may depend on the C locale: Qt switches
// the locale at start-up.
namespace text {

// Default number text: at most 15 significant digits, never an exponent, "." as separator,
// trailing zeros and a trailing "." removed; negative zero is "0".
std::string Str(double v);
std::string Str(std::int32_t v);
std::string Str(std::int64_t v);

// Masked number text; k is the number of "#" after the "." of the mask. Display masks
// (k = 0..7) write the value rounded like the value table rounds it; larger k write the shortest
// text that reads back to v, or v rounded to k decimals where that text would need more. Never
// empty: a magnitude below the mask's resolution is "0", since an empty magnitude before a power
// of x would read back as 1.
std::string Format(double v, std::string_view mask);

// The number at the start of a text: blanks, an optional "-", digits with at most one ".".
// Anything after it is ignored; no number gives 0. Too large gives an infinity, too small 0.
double Val(std::string_view s);
// The text of the number Val reads: the optional "-" and the digits and "." after the blanks.
std::string_view ValText(std::string_view s);

// Half away from zero.
double Round(double v);

// Nearest whole number, saturating at the type's limits; NaN gives 0.
std::int32_t ToInt32(double v);
std::int64_t ToInt64(double v);

// 1-based position of the first occurrence of what in s at or after start, 0 when absent;
// ASCII letter case is ignored. An empty what is found at start.
std::size_t InStr(std::string_view s, std::string_view what);
std::size_t InStr(std::size_t start, std::string_view s, std::string_view what);

std::string Left(std::string_view s, std::size_t n);
std::string Right(std::string_view s, std::size_t n);
// Characters from the 1-based position p to the end, or n of them; empty beyond the end.
std::string Mid(std::string_view s, std::size_t p);
std::string Mid(std::string_view s, std::size_t p, std::size_t n);
inline std::size_t Len(std::string_view s) {
  return s.size();
}
inline std::string Chr(int code) {
  return std::string(1, static_cast<char>(code));
}

// Whether s is a text as the program writes its texts: valid UTF-8 (every character in its
// shortest form, no surrogate, nothing above U+10FFFF) holding no control character other than
// the tab and the line-end codes 10 and 13. Control characters are those of Unicode: codes 0 to
// 31, 127, and U+0080 to U+009F, which a text decoded with the wrong code page is full of.
bool IsPlainText(std::string_view s);

}  // namespace text
