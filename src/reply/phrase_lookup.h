#ifndef CHATMIND_REPLY_PHRASE_LOOKUP_H_
#define CHATMIND_REPLY_PHRASE_LOOKUP_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mind/mind.h"
#include "reply/id_hash_table.h"

namespace chatmind {

// Finds phrase pairs by their key, and by key and reply together, without
// walking the phrase lists. Holds positions into the phrase lists of the
// mind it was given; after those lists are reordered it must be rebuilt.
class PhraseLookup {
 public:
  // Indexes the pairs of `mind` from position size() on.
  void Update(const Mind& mind);

  // The position of the first pair whose key equals `text` and whose reply
  // is fresh (IsFreshReply), or nothing.
  std::optional<std::size_t> FirstFresh(const Mind& mind, std::string_view text) const;

  // True when `mind` has a pair (`key`, `reply`).
  bool Contains(const Mind& mind, std::string_view key, std::string_view reply) const;

  // The number of pairs indexed.
  std::size_t size() const { return next_.size(); }

  void Clear();

 private:
  void Add(const Mind& mind, std::uint32_t position);
  std::uint32_t FindPair(const Mind& mind, std::size_t key_hash, std::string_view key,
                         std::string_view reply) const;

  // Each id is the first position of its key.
  IdHashTable first_of_key_;
  // Each id is a position of its pair; equal pairs are kept once.
  IdHashTable pairs_;
  // For each position, the next position with the same key, or kNone.
  std::vector<std::uint32_t> next_;
  // For the first position of each key, the last position of that key.
  std::vector<std::uint32_t> last_;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_PHRASE_LOOKUP_H_
