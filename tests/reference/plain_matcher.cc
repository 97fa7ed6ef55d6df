#include "reference/plain_matcher.h"

#include "reference/brace_rules.h"
#include "reference/indexed_sentence.h"
#include "reference/paren_rules.h"
#include "reference/plain_lookups.h"

namespace chatmind::reference {

std::string PlainMatcher::MatchExactPhrase(const Mind& mind, std::string_view text, MatchTrace*) {
  return reference::MatchExactPhrase(mind, text);
}

std::string PlainMatcher::MatchIndexedSentence(const Mind& mind, std::string_view text,
                                               MatchTrace*) {
  return reference::MatchIndexedSentence(mind, text);
}

std::string PlainMatcher::MatchParenRules(const Mind& mind, std::string_view text, MatchTrace*) {
  return reference::MatchParenRules(mind, text);
}

std::string PlainMatcher::MatchBraceRules(const Mind& mind, std::string_view text, MatchTrace*) {
  return reference::MatchBraceRules(mind, text);
}

bool PlainMatcher::HasPhrasePair(const Mind& mind, std::string_view key, std::string_view reply) {
  return FindPair(key, reply, mind.PhraseKeys, mind.PhraseReplies) != -1;
}

}  // namespace chatmind::reference
