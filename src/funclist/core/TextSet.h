#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace Funktionsliste {

// The texts seen so far while the pieces of a list file are offered: one table of views for all
// of them instead of a node per text, since a file offers millions of pieces and a node each
// cost far more than the pieces themselves.
class TextSet {
 public:
  // Adds t unless an equal text is there already; whether it was added. Only a view is kept, so
  // t's characters must stay in place while the set lives.
  bool Insert(std::string_view t);

 private:
  struct Slot {
    const char* data = nullptr;  // free while nullptr
    std::uint32_t size = 0;
    std::uint32_t hash = 0;  // chooses the first slot to try, so a larger table needs no rehash
  };

  // The slot that holds t, or the free one where t belongs.
  Slot& SlotFor(std::string_view t, std::uint32_t hash);
  void Grow();

  std::vector<Slot> slots_ = std::vector<Slot>(64);
  std::size_t count_ = 0;
};

}  // namespace Funktionsliste
