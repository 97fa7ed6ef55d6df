#include "reply/word_table.h"

#include <algorithm>
#include <functional>

namespace chatmind {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

}  // namespace

std::uint32_t WordTable::Add(std::string_view word) {
  const std::size_t hash = std::hash<std::string_view>{}(word);
  const std::uint32_t found =
      table_.Find(hash, [&](std::uint32_t id) { return words_[id] == word; });
  if (found != kNone) return found;
  const auto id = static_cast<std::uint32_t>(words_.size());
  // Room first, so that running out of memory leaves the table as it was.
  table_.Reserve(words_.size() + 1);
  words_.push_back(Keep(word));
  table_.Insert(hash, id);
  return id;
}

std::uint32_t WordTable::Find(std::string_view word) const {
  const std::size_t hash = std::hash<std::string_view>{}(word);
  return table_.Find(hash, [&](std::uint32_t id) { return words_[id] == word; });
}

void WordTable::Clear() {
  table_.Clear();
  words_ = {};
  blocks_.clear();
}

std::string_view WordTable::Keep(std::string_view word) {
  if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < word.size()) {
    blocks_.emplace_back().reserve(std::max(kBlockSize, word.size()));
  }
  std::string& block = blocks_.back();
  const std::size_t start = block.size();
  block.append(word);
  return std::string_view(block).substr(start);
}

}  // namespace chatmind
