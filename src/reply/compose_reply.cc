#include "reply/compose_reply.h"

#include <utility>

#include "reply/stock_strategies.h"
#include "text/sentences.h"

namespace chatmind {
namespace {

std::string AskStrategies(const Mind& mind, Matcher& matcher, std::string_view text) {
  using Match = std::string (Matcher::*)(const Mind&, std::string_view);
  // Asked in this order; the first non-empty answer is the reply.
  static constexpr Match kMatches[] = {&Matcher::MatchExactPhrase, &Matcher::MatchIndexedSentence,
                                       &Matcher::MatchParenRules, &Matcher::MatchBraceRules};
  for (Match match : kMatches) {
    std::string reply = (matcher.*match)(mind, text);
    if (!reply.empty()) return reply;
  }
  std::string reply = PickEscapePhrase(mind);
  if (reply.empty()) reply = PickInitialPhrase(mind);
  return reply;
}

}  // namespace

std::string ComposeReply(Mind& mind, Matcher& matcher, std::string_view text,
                         const FallbackReader& read_fallback) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos && !text.empty()) return {};
  std::string normalized(text.substr(start == std::string_view::npos ? 0 : start));
  if (normalized.empty() || !IsSentenceTerminator(normalized.back())) normalized.push_back('?');

  std::string reply = AskStrategies(mind, matcher, normalized);
  const bool fell_back = reply.empty();
  if (fell_back) {
    reply = read_fallback();
    if (reply.empty()) reply = kDefaultFallbackReply;
  }
  std::string recorded = reply;

  if (fell_back) mind.ReplyHistory.Clear();
  if (!mind.LastReply.empty() && !matcher.HasPhrasePair(mind, mind.LastReply, normalized)) {
    AppendPhrasePair(mind, mind.LastReply, normalized);
    matcher.PhrasePairAppended(mind);
  }
  mind.ReplyHistory.Add(std::move(recorded));
  mind.LastReply.swap(reply);
  return mind.LastReply;
}

}  // namespace chatmind
