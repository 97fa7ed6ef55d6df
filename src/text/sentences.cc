#include "text/sentences.h"

namespace chatmind {

std::size_t SplitSentences(std::string_view text, StringList& sentences) {
  StringList found;
  std::size_t start = 0;
  for (std::size_t end = 0; end < text.size(); ++end) {
    if (!IsSentenceTerminator(text[end])) continue;
    // The terminator itself is no space, so this stops at `end` at the latest.
    while (text[start] == ' ') ++start;
    if (end - start + 1 >= 2) found.emplace_back(text.substr(start, end - start + 1));
    start = end + 1;
  }
  sentences.insert(sentences.begin(), found.rbegin(), found.rend());
  return sentences.size();
}

}  // namespace chatmind
