#include "text/words.h"

#include <string>

#include "text/lowercase.h"

namespace chatmind {
namespace {

// Cyrillic а-я (0xE0-0xFF), Latin a-z, digits, '-' and the apostrophe.
bool IsWordByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0xE0 || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '\'';
}

bool IsLonePunctuation(const std::string& word) {
  return word.size() == 1 && (word[0] == '-' || word[0] == '\'');
}

}  // namespace

void AppendWords(std::string_view text, StringList& words) {
  std::string pending;
  for (const char raw : text) {
    const char c = LowercaseByte(raw);
    if (IsWordByte(c)) {
      pending.push_back(c);
      continue;
    }
    if (!pending.empty() && !IsLonePunctuation(pending)) words.push_back(pending);
    pending.clear();
  }
}

}  // namespace chatmind
