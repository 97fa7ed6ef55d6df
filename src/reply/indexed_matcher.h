#ifndef CHATMIND_REPLY_INDEXED_MATCHER_H_
#define CHATMIND_REPLY_INDEXED_MATCHER_H_

#include <string>
#include <string_view>

#include "mind/mind.h"
#include "reply/brace_rule_search.h"
#include "reply/matcher.h"
#include "reply/paren_rule_search.h"
#include "reply/phrase_lookup.h"
#include "reply/sentence_search.h"
#include "reply/vocabulary.h"

namespace chatmind {

// The matcher that answers from indexes built when a mind is loaded:
// words are tokenized and classified once, and each strategy looks only at
// the entries and rules that can answer. Gives exactly the replies of the
// plain scans. The indexes follow one mind; tell the matcher of every
// change to it other than a phrase pair learned in ComposeReply.
class IndexedMatcher : public Matcher {
 public:
  // Takes in what `mind` gained at the end of its lists since the last
  // call, as a load does.
  void Update(const Mind& mind);

  // Builds every index anew, after the lists of `mind` were reordered or
  // emptied.
  void Rebuild(const Mind& mind);

  // Forgets every index, as for an empty mind.
  void Clear();

  std::string MatchExactPhrase(const Mind& mind, std::string_view text, MatchTrace* trace) override;
  std::string MatchIndexedSentence(const Mind& mind, std::string_view text,
                                   MatchTrace* trace) override;
  std::string MatchParenRules(const Mind& mind, std::string_view text, MatchTrace* trace) override;
  std::string MatchBraceRules(const Mind& mind, std::string_view text, MatchTrace* trace) override;
  bool HasPhrasePair(const Mind& mind, std::string_view key, std::string_view reply) override;
  void PhrasePairAppended(const Mind& mind) override;

 private:
  Vocabulary vocabulary_;
  PhraseLookup phrases_;
  SentenceSearch sentences_;
  ParenRuleSearch paren_rules_;
  BraceRuleSearch brace_rules_;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_INDEXED_MATCHER_H_
