#ifndef CHATMIND_REPLY_MATCHER_H_
#define CHATMIND_REPLY_MATCHER_H_

#include <string>
#include <string_view>

#include "mind/mind.h"
#include "reply/reply_trace.h"

namespace chatmind {

// The strategies that look a text up in the mind, and the pair lookup of
// the learning step. Each Match method returns a reply for the normalized
// `text`, or an empty string when it has none; none returns a reply that is
// in ReplyHistory, and none changes `mind`. When it answers and `trace` is
// not null, it may record there what it matched.
class Matcher {
 public:
  virtual ~Matcher() = default;

  // The reply of the first phrase pair whose key equals `text` byte for byte.
  virtual std::string MatchExactPhrase(const Mind& mind, std::string_view text,
                                       MatchTrace* trace) = 0;

  // An index entry answers a sentence of `text` when both are of the same
  // SentenceKind and at least two of the sentence's significant words
  // (those not in IgnoredWords, each occurrence counted) are among the
  // entry's words, its position word included; the reply is that of the
  // phrase pair at the entry's position. Sentences are tried last first, and
  // for each the entries in list order. Entries whose position lies outside
  // PhraseReplies answer nothing.
  virtual std::string MatchIndexedSentence(const Mind& mind, std::string_view text,
                                           MatchTrace* trace) = 0;

  // A paren rule answers a sentence of `text` when both are of the same
  // SentenceKind and every word of its key is a word of the sentence.
  // Sentences are tried last first, and for each the rules in list order.
  virtual std::string MatchParenRules(const Mind& mind, std::string_view text,
                                      MatchTrace* trace) = 0;

  // A brace rule answers a sentence of `text` when both are of the same
  // SentenceKind and one of the sentence's ignored words (its words in
  // IgnoredWords) is a word of the key. Sentences are tried last first;
  // within a sentence its ignored words in sentence order, and for each the
  // rules in list order.
  virtual std::string MatchBraceRules(const Mind& mind, std::string_view text,
                                      MatchTrace* trace) = 0;

  // True when `mind` holds the phrase pair (`key`, `reply`).
  virtual bool HasPhrasePair(const Mind& mind, std::string_view key, std::string_view reply) = 0;

  // Told after a phrase pair has been appended to `mind`.
  virtual void PhrasePairAppended(const Mind& mind) = 0;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_MATCHER_H_
