#include "text/word_lists.h"

namespace chatmind {

bool ContainsAll(const StringList& a, const StringList& b) { return CountShared(a, b) == a.size(); }

std::size_t CountShared(const StringList& a, const StringList& b) {
  std::size_t shared = 0;
  for (const std::string& word : a) {
    if (FindString(word, b) != -1) ++shared;
  }
  return shared;
}

void SeparateIgnored(const StringList& words, const TextList& ignored_words,
                     StringList& significant, StringList& ignored) {
  for (const std::string& word : words) {
    (FindString(word, ignored_words) != -1 ? ignored : significant).push_back(word);
  }
}

}  // namespace chatmind
