#ifndef CHATMIND_TEXT_WORDS_H_
#define CHATMIND_TEXT_WORDS_H_

#include <string_view>

#include "text/string_list.h"

namespace chatmind {

// Appends the words of `text` to `words`, lowercased, in text order. Words
// are made of Cyrillic а-я, Latin a-z, digits, '-' and the apostrophe once
// lowercased; every other byte, 'ё' among them, separates words. A word
// is completed only by a separator after it, so a word at the very end of
// `text` is dropped; a lone '-' or apostrophe is no word. Words are not
// deduplicated.
void AppendWords(std::string_view text, StringList& words);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_WORDS_H_
