#include "reply/stock_strategies.h"

#include "reply/fresh_reply.h"

namespace chatmind {
namespace {

std::string FirstNotGiven(const Mind& mind, const StringList& phrases) {
  for (const std::string& phrase : phrases) {
    if (IsFreshReply(mind, phrase)) return phrase;
  }
  return {};
}

}  // namespace

std::string MatchExactPhrase(const Mind& mind, std::string_view text) {
  for (std::size_t i = 0; i < mind.PhraseKeys.size(); ++i) {
    if (mind.PhraseKeys[i] == text && IsFreshReply(mind, mind.PhraseReplies[i])) {
      return mind.PhraseReplies[i];
    }
  }
  return {};
}

std::string PickEscapePhrase(const Mind& mind, std::string_view) {
  return FirstNotGiven(mind, mind.EscapePhrases);
}

std::string PickInitialPhrase(const Mind& mind, std::string_view) {
  return FirstNotGiven(mind, mind.InitialPhrases);
}

}  // namespace chatmind
