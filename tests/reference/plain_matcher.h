#ifndef CHATMIND_TESTS_REFERENCE_PLAIN_MATCHER_H_
#define CHATMIND_TESTS_REFERENCE_PLAIN_MATCHER_H_

#include <string>
#include <string_view>

#include "mind/mind.h"
#include "reply/matcher.h"

namespace chatmind::reference {

// The matcher that scans: every strategy walks its lists in order and
// classifies each entry and rule anew. Holds no state and traces nothing.
class PlainMatcher : public Matcher {
 public:
  std::string MatchExactPhrase(const Mind& mind, std::string_view text, MatchTrace* trace) override;
  std::string MatchIndexedSentence(const Mind& mind, std::string_view text,
                                   MatchTrace* trace) override;
  std::string MatchParenRules(const Mind& mind, std::string_view text, MatchTrace* trace) override;
  std::string MatchBraceRules(const Mind& mind, std::string_view text, MatchTrace* trace) override;
  bool HasPhrasePair(const Mind& mind, std::string_view key, std::string_view reply) override;
  void PhrasePairAppended(const Mind&) override {}
};

}  // namespace chatmind::reference

#endif  // CHATMIND_TESTS_REFERENCE_PLAIN_MATCHER_H_
