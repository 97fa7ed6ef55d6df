#ifndef CHATMIND_REPLY_WORD_TABLE_H_
#define CHATMIND_REPLY_WORD_TABLE_H_

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "reply/id_hash_table.h"

namespace chatmind {

// Gives each distinct word a small number, its id, so that word lists can
// be compared as numbers. Ids count up from 0 in the order words are added.
class WordTable {
 public:
  static constexpr std::uint32_t kNone = IdHashTable::kNone;

  // Returns the id of `word`, adding it when it is new.
  std::uint32_t Add(std::string_view word);

  // Returns the id of `word`, or kNone when it was never added.
  std::uint32_t Find(std::string_view word) const;

  // The word whose id is `id`, which must have been given by Add.
  std::string_view Word(std::uint32_t id) const { return words_[id]; }

  std::size_t size() const { return words_.size(); }

  void Clear();

 private:
  std::string_view Keep(std::string_view word);

  IdHashTable table_;
  std::vector<std::string_view> words_;
  // Blocks of word bytes; a block is never moved, so the views stay valid.
  std::deque<std::string> blocks_;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_WORD_TABLE_H_
