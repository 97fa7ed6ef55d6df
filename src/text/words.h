#ifndef CHATMIND_TEXT_WORDS_H_
#define CHATMIND_TEXT_WORDS_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "text/string_list.h"

namespace chatmind {

// Yields the words of a text one at a time, as AppendWords appends them,
// without allocating a string for each.
class WordScanner {
 public:
  // `text` must outlive the scanner.
  explicit WordScanner(std::string_view text) : text_(text) {}

  // Sets `word` to the next word, lowercased and valid until the next call,
  // and returns true; returns false when no word is left.
  bool Next(std::string_view& word);

 private:
  std::string_view text_;
  std::size_t next_ = 0;
  std::string word_;
};

// Appends the words of `text` to `words`, lowercased, in text order. Words
// are made of Cyrillic а-я, Latin a-z, digits, '-' and the apostrophe once
// lowercased; every other byte, 'ё' among them, separates words. A word
// is completed only by a separator after it, so a word at the very end of
// `text` is dropped; a lone '-' or apostrophe is no word. Words are not
// deduplicated.
void AppendWords(std::string_view text, StringList& words);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_WORDS_H_
