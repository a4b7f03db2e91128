#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "algebra/TextSemantics.h"

namespace Parser {

// A character belongs to a set when the substring search finds it in the set's text, so letter
// case is ignored. The answers are looked up per byte: the stages test every character of texts
// that can be thousands of characters long, once per pass.
class CharSet {
 public:
  explicit CharSet(std::string_view set) {
    for (std::size_t b = 0; b < in_.size(); ++b) {
      const char c = static_cast<char>(b);
      in_[b] = text::InStr(set, std::string_view(&c, 1)) > 0;
    }
  }

  bool Has(char c) const { return in_[static_cast<unsigned char>(c)]; }
  // A neighbour that does not exist belongs to no set.
  bool Has(std::optional<char> c) const { return c && Has(*c); }

 private:
  std::array<bool, 256> in_{};
};

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace Parser
