#ifndef CHATMIND_TESTS_REFERENCE_BRACE_RULES_H_
#define CHATMIND_TESTS_REFERENCE_BRACE_RULES_H_

#include <string>
#include <string_view>

#include "mind/mind.h"

namespace chatmind::reference {

// Answers the normalized `text` from the brace rules: a rule answers a
// sentence of `text` when both are of the same SentenceKind and one of the
// sentence's ignored words (its words in IgnoredWords) is a word of the
// key. Sentences are tried last first; within a sentence its ignored words
// in sentence order, and for each the rules in list order; the first rule
// whose reply is fresh (IsFreshReply) gives the reply. Returns an empty
// string when no rule answers; changes nothing in `mind`.
std::string MatchBraceRules(const Mind& mind, std::string_view text);

}  // namespace chatmind::reference

#endif  // CHATMIND_TESTS_REFERENCE_BRACE_RULES_H_
