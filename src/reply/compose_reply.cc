#include "reply/compose_reply.h"

#include <utility>

#include "reply/brace_rules.h"
#include "reply/indexed_sentence.h"
#include "reply/paren_rules.h"
#include "reply/stock_strategies.h"
#include "text/sentences.h"

namespace chatmind {
namespace {

using Strategy = std::string (*)(const Mind&, std::string_view);

// Asked in this order; the first non-empty answer is the reply.
constexpr Strategy kStrategies[] = {MatchExactPhrase, MatchIndexedSentence, MatchParenRules,
                                    MatchBraceRules,  PickEscapePhrase,     PickInitialPhrase};

std::string AskStrategies(const Mind& mind, std::string_view text) {
  for (Strategy strategy : kStrategies) {
    std::string reply = strategy(mind, text);
    if (!reply.empty()) return reply;
  }
  return {};
}

}  // namespace

std::string ComposeReply(Mind& mind, std::string_view text, const FallbackReader& read_fallback) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos && !text.empty()) return {};
  std::string normalized(text.substr(start == std::string_view::npos ? 0 : start));
  if (normalized.empty() || !IsSentenceTerminator(normalized.back())) normalized.push_back('?');

  std::string reply = AskStrategies(mind, normalized);
  const bool fell_back = reply.empty();
  if (fell_back) {
    reply = read_fallback();
    if (reply.empty()) reply = kDefaultFallbackReply;
  }
  std::string recorded = reply;
  ReserveForAppend(mind.ReplyHistory, 1);

  if (fell_back) mind.ReplyHistory.clear();
  if (!mind.LastReply.empty() &&
      FindPair(mind.LastReply, normalized, mind.PhraseKeys, mind.PhraseReplies) == -1) {
    AppendPhrasePair(mind, mind.LastReply, normalized);
  }
  mind.ReplyHistory.push_back(std::move(recorded));
  mind.LastReply.swap(reply);
  return mind.LastReply;
}

}  // namespace chatmind
