#include "funclist/core/TextSet.h"

#include <functional>

#include "funclist/core/Funktionsliste.h"

namespace Funktionsliste {
namespace {

// Every text of a list lies within one list file, so its size fits the slot.
static_assert(kGroessteDatei <= UINT32_MAX);

std::uint32_t HashOf(std::string_view t) {
  return static_cast<std::uint32_t>(std::hash<std::string_view>{}(t));
}

}  // namespace

bool TextSet::Insert(std::string_view t) {
  const std::uint32_t hash = HashOf(t);
  Slot& slot = SlotFor(t, hash);
  if (slot.data != nullptr) return false;
  // An empty view may carry no address, and a free slot is told by its missing one.
  slot = {t.empty() ? "" : t.data(), static_cast<std::uint32_t>(t.size()), hash};
  // At most three quarters full, so that a search meets a free slot soon.
  if (++count_ * 4 > slots_.size() * 3) Grow();
  return true;
}

TextSet::Slot& TextSet::SlotFor(std::string_view t, std::uint32_t hash) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].data != nullptr &&
         !(slots_[i].hash == hash && std::string_view(slots_[i].data, slots_[i].size) == t))
    i = (i + 1) & mask;
  return slots_[i];
}

void TextSet::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& s : old)
    if (s.data != nullptr) SlotFor(std::string_view(s.data, s.size), s.hash) = s;
}

}  // namespace Funktionsliste
