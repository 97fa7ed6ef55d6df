#include "text/sentences.h"

#include <algorithm>

namespace chatmind {

void AppendSentences(std::string_view text, std::vector<std::string_view>& sentences) {
  const std::size_t first = sentences.size();
  std::size_t start = 0;
  for (std::size_t end = 0; end < text.size(); ++end) {
    if (!IsSentenceTerminator(text[end])) continue;
    // The terminator itself is no space, so this stops at `end` at the latest.
    while (text[start] == ' ') ++start;
    if (end - start + 1 >= 2) sentences.push_back(text.substr(start, end - start + 1));
    start = end + 1;
  }
  std::reverse(sentences.begin() + static_cast<std::ptrdiff_t>(first), sentences.end());
}

std::size_t SplitSentences(std::string_view text, StringList& sentences) {
  std::vector<std::string_view> found;
  AppendSentences(text, found);
  sentences.insert(sentences.begin(), found.begin(), found.end());
  return sentences.size();
}

}  // namespace chatmind
