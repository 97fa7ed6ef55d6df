#ifndef CHATMIND_REPLY_ID_HASH_TABLE_H_
#define CHATMIND_REPLY_ID_HASH_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace chatmind {

// An open-addressing hash table of 32-bit ids (positions in some list the
// caller owns). The table keeps a 32-bit tag of each id's hash, so that it
// can grow without asking for hashes again; the caller supplies the hash
// and an equality test at each lookup.
class IdHashTable {
 public:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  // Returns the first id inserted under `hash` for which `equal(id)` is
  // true, or kNone.
  template <class Equal>
  std::uint32_t Find(std::size_t hash, Equal&& equal) const {
    if (slots_.empty()) return kNone;
    const std::uint32_t tag = Tag(hash);
    for (std::size_t i = tag & mask_;; i = (i + 1) & mask_) {
      const Slot& slot = slots_[i];
      if (slot.id == kNone) return kNone;
      if (slot.tag == tag && equal(slot.id)) return slot.id;
    }
  }

  // Adds `id` under `hash`; an equal id already present is not looked for.
  void Insert(std::size_t hash, std::uint32_t id);

  // Makes room for `count` ids in all without growing again.
  void Reserve(std::size_t count);

  void Clear();

 private:
  struct Slot {
    std::uint32_t id = kNone;
    std::uint32_t tag = 0;
  };

  static std::uint32_t Tag(std::size_t hash) {
    const auto wide = static_cast<std::uint64_t>(hash);
    return static_cast<std::uint32_t>(wide ^ (wide >> 32));
  }
  void Place(Slot slot);

  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  std::size_t size_ = 0;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_ID_HASH_TABLE_H_
