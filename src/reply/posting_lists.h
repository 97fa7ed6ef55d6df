#ifndef CHATMIND_REPLY_POSTING_LISTS_H_
#define CHATMIND_REPLY_POSTING_LISTS_H_

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "text/sentence_kind.h"

namespace chatmind {

// For each SentenceKind and word id, the numbers of the items (index
// entries, rules) of that kind that hold the word, in the order added.
class PostingLists {
 public:
  void Add(SentenceKind kind, std::uint32_t word, std::uint32_t item) {
    lists_[Key(kind, word)].push_back(item);
  }

  std::span<const std::uint32_t> Find(SentenceKind kind, std::uint32_t word) const {
    const auto found = lists_.find(Key(kind, word));
    if (found == lists_.end()) return {};
    return found->second;
  }

  void Clear() { lists_.clear(); }

 private:
  static std::uint64_t Key(SentenceKind kind, std::uint32_t word) {
    return (static_cast<std::uint64_t>(static_cast<int>(kind) + 8) << 32) | word;
  }

  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> lists_;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_POSTING_LISTS_H_
