#ifndef CHATMIND_TEXT_SENTENCES_H_
#define CHATMIND_TEXT_SENTENCES_H_

#include <cstddef>
#include <string_view>
#include <vector>

#include "text/string_list.h"

namespace chatmind {

// '.', '?' and '!' end a sentence; no other byte does.
constexpr bool IsSentenceTerminator(char c) { return c == '.' || c == '?' || c == '!'; }

// Yields the sentences of a text one at a time, the text's last sentence
// first, without storing them: a text may hold millions.
class SentenceScanner {
 public:
  // `text` must outlive the scanner.
  explicit SentenceScanner(std::string_view text);

  // Sets `sentence` to the next sentence, a view into the text, and returns
  // true; returns false when no sentence is left.
  bool Next(std::string_view& sentence);

 private:
  // The part of the text not yet scanned; it ends at a terminator.
  std::string_view rest_;
};

// Appends the sentences of `text` to `sentences` as views into `text`, the
// text's last sentence first. A sentence ends at a terminator, loses its
// leading spaces (0x20 only) and is kept only when it is at least 2 bytes
// long; bytes after the last terminator are dropped.
void AppendSentences(std::string_view text, std::vector<std::string_view>& sentences);

// Splits `text` into sentences as AppendSentences does and inserts copies
// of them at the front of `sentences`, the text's last sentence first.
// Returns the number of elements `sentences` holds afterwards.
std::size_t SplitSentences(std::string_view text, StringList& sentences);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_SENTENCES_H_
