#include "reply/indexed_matcher.h"

#include <optional>

#include "text/sentences.h"

namespace chatmind {
namespace {

// The first non-empty reply that `match` gives for a sentence of `text`,
// the last sentence first; the answering sentence goes to `trace`.
template <class Match>
std::string FirstSentenceReply(std::string_view text, MatchTrace* trace, Match&& match) {
  SentenceScanner sentences(text);
  std::string_view sentence;
  while (sentences.Next(sentence)) {
    std::string reply = match(sentence);
    if (reply.empty()) continue;
    if (trace) trace->sentence = sentence;
    return reply;
  }
  return {};
}

}  // namespace

void IndexedMatcher::Update(const Mind& mind) {
  const bool shrunk =
      mind.PhraseKeys.size() < phrases_.size() || mind.SentenceIndex.size() < sentences_.size() ||
      mind.ParenKeys.size() < paren_rules_.size() || mind.BraceKeys.size() < brace_rules_.size();
  if (shrunk || vocabulary_.Update(mind)) {
    Rebuild(mind);
    return;
  }
  phrases_.Update(mind);
  sentences_.Update(mind, vocabulary_);
  paren_rules_.Update(mind, vocabulary_);
  brace_rules_.Update(mind, vocabulary_);
}

void IndexedMatcher::Rebuild(const Mind& mind) {
  Clear();
  vocabulary_.Update(mind);
  phrases_.Update(mind);
  sentences_.Update(mind, vocabulary_);
  paren_rules_.Update(mind, vocabulary_);
  brace_rules_.Update(mind, vocabulary_);
}

std::string IndexedMatcher::MatchExactPhrase(const Mind& mind, std::string_view text,
                                             MatchTrace* trace) {
  const std::optional<std::size_t> position = phrases_.FirstFresh(mind, text);
  if (!position) return {};
  if (trace) trace->item = *position;
  return std::string(mind.PhraseReplies[*position]);
}

std::string IndexedMatcher::MatchIndexedSentence(const Mind& mind, std::string_view text,
                                                 MatchTrace* trace) {
  return FirstSentenceReply(text, trace, [&](std::string_view sentence) {
    return sentences_.MatchSentence(mind, vocabulary_, sentence, trace);
  });
}

std::string IndexedMatcher::MatchParenRules(const Mind& mind, std::string_view text,
                                            MatchTrace* trace) {
  return FirstSentenceReply(text, trace, [&](std::string_view sentence) {
    return paren_rules_.MatchSentence(mind, vocabulary_, sentence, trace);
  });
}

std::string IndexedMatcher::MatchBraceRules(const Mind& mind, std::string_view text,
                                            MatchTrace* trace) {
  return FirstSentenceReply(text, trace, [&](std::string_view sentence) {
    return brace_rules_.MatchSentence(mind, vocabulary_, sentence, trace);
  });
}

bool IndexedMatcher::HasPhrasePair(const Mind& mind, std::string_view key, std::string_view reply) {
  return phrases_.Contains(mind, key, reply);
}

void IndexedMatcher::PhrasePairAppended(const Mind& mind) { phrases_.Update(mind); }

void IndexedMatcher::Clear() {
  vocabulary_.Clear();
  phrases_.Clear();
  sentences_.Clear();
  paren_rules_.Clear();
  brace_rules_.Clear();
}

}  // namespace chatmind
