#include "reply/id_hash_table.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace chatmind {
namespace {

// Linear probing stays short below this share of used slots.
constexpr std::size_t kLoadNumerator = 5;
constexpr std::size_t kLoadDenominator = 8;

}  // namespace

void IdHashTable::Insert(std::size_t hash, std::uint32_t id) {
  Reserve(size_ + 1);
  Place({id, Tag(hash)});
  ++size_;
}

void IdHashTable::Reserve(std::size_t count) {
  if (count * kLoadDenominator <= slots_.size() * kLoadNumerator) return;
  const std::size_t capacity =
      std::bit_ceil(std::max<std::size_t>(16, count * kLoadDenominator / kLoadNumerator + 1));
  std::vector<Slot> old(capacity);
  old.swap(slots_);
  mask_ = capacity - 1;
  for (const Slot& slot : old) {
    if (slot.id != kNone) Place(slot);
  }
}

void IdHashTable::Clear() {
  slots_ = {};
  mask_ = 0;
  size_ = 0;
}

void IdHashTable::Place(Slot slot) {
  std::size_t i = slot.tag & mask_;
  while (slots_[i].id != kNone) i = (i + 1) & mask_;
  slots_[i] = slot;
}

}  // namespace chatmind
