#include "mind/mind.h"

#include <algorithm>
#include <utility>

namespace chatmind {

void AppendPhrasePair(Mind& mind, std::string_view key, std::string_view reply) {
  mind.PhraseKeys.Reserve(1, key.size());
  mind.PhraseReplies.Reserve(1, reply.size());
  mind.PhraseKeys.push_back(key);
  mind.PhraseReplies.push_back(reply);
}

void ClearMind(Mind& mind) {
  for (TextList Mind::*list : kFileBackedLists) (mind.*list).clear();
  mind.SentenceIndex = {};
}

}  // namespace chatmind
