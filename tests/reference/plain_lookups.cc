#include "reference/plain_lookups.h"

#include <algorithm>

namespace chatmind::reference {

bool IsFreshByScan(const Mind& mind, std::string_view reply) {
  return !reply.empty() && std::find(mind.ReplyHistory.begin(), mind.ReplyHistory.end(), reply) ==
                               mind.ReplyHistory.end();
}

std::ptrdiff_t FindPair(std::string_view a, std::string_view b, const TextList& keys,
                        const TextList& replies) {
  std::ptrdiff_t found = -1;
  const std::size_t count = std::min(keys.size(), replies.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (keys[i] == a && replies[i] == b) found = static_cast<std::ptrdiff_t>(i);
  }
  return found;
}

std::string MatchExactPhrase(const Mind& mind, std::string_view text) {
  for (std::size_t i = 0; i < mind.PhraseKeys.size(); ++i) {
    if (mind.PhraseKeys[i] == text && IsFreshByScan(mind, mind.PhraseReplies[i])) {
      return std::string(mind.PhraseReplies[i]);
    }
  }
  return {};
}

}  // namespace chatmind::reference
