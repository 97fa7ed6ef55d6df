#include "text/words.h"

#include "text/lowercase.h"

namespace chatmind {
namespace {

// Cyrillic а-я (0xE0-0xFF), Latin a-z, digits, '-' and the apostrophe.
bool IsWordByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0xE0 || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '\'';
}

bool IsLonePunctuation(std::string_view word) {
  return word.size() == 1 && (word[0] == '-' || word[0] == '\'');
}

}  // namespace

bool WordScanner::Next(std::string_view& word) {
  word_.clear();
  while (next_ < text_.size()) {
    const char c = LowercaseByte(text_[next_++]);
    if (IsWordByte(c)) {
      word_.push_back(c);
      continue;
    }
    if (!word_.empty() && !IsLonePunctuation(word_)) {
      word = word_;
      return true;
    }
    word_.clear();
  }
  return false;
}

void AppendWords(std::string_view text, StringList& words) {
  WordScanner scanner(text);
  std::string_view word;
  while (scanner.Next(word)) words.emplace_back(word);
}

}  // namespace chatmind
