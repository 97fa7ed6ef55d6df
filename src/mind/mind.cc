#include "mind/mind.h"

#include <algorithm>
#include <utility>

namespace chatmind {

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
