#include "reply/compose_reply.h"

#include <utility>

#include "reply/stock_strategies.h"
#include "text/sentences.h"

namespace chatmind {
namespace {

// Asks the strategies in their order; the first non-empty answer is the
// reply, and `source` says whose it is (kFallback when none answers).
std::string AskStrategies(const Mind& mind, Matcher& matcher, std::string_view text,
                          ReplySource& source, MatchTrace* trace) {
  using Match = std::string (Matcher::*)(const Mind&, std::string_view, MatchTrace*);
  static constexpr std::pair<Match, ReplySource> kMatches[] = {
      {&Matcher::MatchExactPhrase, ReplySource::kExactPhrase},
      {&Matcher::MatchIndexedSentence, ReplySource::kIndexedSentence},
      {&Matcher::MatchParenRules, ReplySource::kParenRule},
      {&Matcher::MatchBraceRules, ReplySource::kBraceRule},
  };
  for (const auto& [match, match_source] : kMatches) {
    std::string reply = (matcher.*match)(mind, text, trace);
    source = match_source;
    if (!reply.empty()) return reply;
  }
  std::string reply = PickEscapePhrase(mind);
  source = ReplySource::kEscapePhrase;
  if (reply.empty()) {
    reply = PickInitialPhrase(mind);
    source = reply.empty() ? ReplySource::kFallback : ReplySource::kInitialPhrase;
  }
  return reply;
}

}  // namespace

const std::string& ComposeReply(Mind& mind, Matcher& matcher, std::string_view text,
                                const FallbackReader& read_fallback, ReplyTrace* trace) {
  static const std::string kNoReply;
  if (trace) *trace = ReplyTrace();
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos && !text.empty()) return kNoReply;
  std::string normalized(text.substr(start == std::string_view::npos ? 0 : start));
  if (normalized.empty() || !IsSentenceTerminator(normalized.back())) normalized.push_back('?');

  ReplySource source = ReplySource::kNone;
  std::string reply =
      AskStrategies(mind, matcher, normalized, source, trace ? &trace->match : nullptr);
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
    if (trace) trace->learned = true;
  }
  if (trace) trace->source = source;
  mind.ReplyHistory.Add(std::move(recorded));
  mind.LastReply.swap(reply);
  return mind.LastReply;
}

}  // namespace chatmind
