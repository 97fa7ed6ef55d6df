#include "reply/posting_lists.h"

#include <algorithm>

namespace chatmind {

void PostingLists::Add(SentenceKind kind, std::uint32_t word, std::uint32_t item) {
  std::vector<std::uint32_t>& of_word = list_of_word_[SentenceKindIndex(kind)];
  if (word >= of_word.size()) {
    of_word.resize(std::max<std::size_t>(word + 1, 2 * of_word.size()), kNoList);
  }
  if (of_word[word] == kNoList) {
    lists_.emplace_back();
    of_word[word] = static_cast<std::uint32_t>(lists_.size() - 1);
  }
  lists_[of_word[word]].push_back(item);
}

void PostingLists::Clear() {
  for (auto& of_word : list_of_word_) of_word = {};
  lists_ = {};
}

}  // namespace chatmind
