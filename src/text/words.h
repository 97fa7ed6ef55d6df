#ifndef CHATMIND_TEXT_WORDS_H_
#define CHATMIND_TEXT_WORDS_H_

#include <string_view>

#include "text/string_list.h"

namespace chatmind {

// True for the bytes words are made of, once lowercased: Cyrillic а-я
// (0xE0-0xFF), Latin a-z, digits, '-' and the apostrophe. Every other byte,
// 'ё' (0xB8) among them, separates words.
constexpr bool IsWordByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0xE0 || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '\'';
}

// Appends the words of `text` to `words`, lowercased, in text order. A word
// is completed only by a separator after it, so a word at the very end of
// `text` is dropped; a lone '-' or apostrophe is no word. Words are not
// deduplicated.
void AppendWords(std::string_view text, StringList& words);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_WORDS_H_
