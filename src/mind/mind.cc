#include "mind/mind.h"

#include <algorithm>
#include <utility>

namespace chatmind {

std::ptrdiff_t FindPair(std::string_view a, std::string_view b, const StringList& keys,
                        const StringList& replies) {
  std::ptrdiff_t found = -1;
  const std::size_t count = std::min(keys.size(), replies.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (keys[i] == a && replies[i] == b) found = static_cast<std::ptrdiff_t>(i);
  }
  return found;
}

void AppendPhrasePair(Mind& mind, std::string key, std::string reply) {
  ReserveForAppend(mind.PhraseKeys, 1);
  ReserveForAppend(mind.PhraseReplies, 1);
  mind.PhraseKeys.push_back(std::move(key));
  mind.PhraseReplies.push_back(std::move(reply));
}

void ClearMind(Mind& mind) {
  for (StringList Mind::*list : kFileBackedLists) (mind.*list).clear();
  mind.SentenceIndex.clear();
}

}  // namespace chatmind
