#include "reply/stock_strategies.h"

#include "reply/fresh_reply.h"

namespace chatmind {
namespace {

std::string FirstNotGiven(const Mind& mind, const TextList& phrases) {
  for (std::string_view phrase : phrases) {
    if (IsFreshReply(mind, phrase)) return std::string(phrase);
  }
  return {};
}

}  // namespace

std::string PickEscapePhrase(const Mind& mind) { return FirstNotGiven(mind, mind.EscapePhrases); }

std::string PickInitialPhrase(const Mind& mind) { return FirstNotGiven(mind, mind.InitialPhrases); }

}  // namespace chatmind
