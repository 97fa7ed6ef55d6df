#ifndef CHATMIND_REPLY_POSTING_LISTS_H_
#define CHATMIND_REPLY_POSTING_LISTS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "text/sentence_kind.h"

namespace chatmind {

// For each SentenceKind and word id, the numbers of the items (index
// entries, rules) of that kind that hold the word, in the order added.
class PostingLists {
 public:
  void Add(SentenceKind kind, std::uint32_t word, std::uint32_t item);

  std::span<const std::uint32_t> Find(SentenceKind kind, std::uint32_t word) const {
    const std::vector<std::uint32_t>& of_word = list_of_word_[SentenceKindIndex(kind)];
    if (word >= of_word.size() || of_word[word] == kNoList) return {};
    return lists_[of_word[word]];
  }

  void Clear();

 private:
  static constexpr std::uint32_t kNoList = UINT32_MAX;

  // For each kind, the list of each word id, found by plain indexing: a
  // posting is added for every word of every entry at load.
  std::array<std::vector<std::uint32_t>, kSentenceKinds> list_of_word_;
  std::vector<std::vector<std::uint32_t>> lists_;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_POSTING_LISTS_H_
