#ifndef CHATMIND_TESTS_REFERENCE_PAREN_RULES_H_
#define CHATMIND_TESTS_REFERENCE_PAREN_RULES_H_

#include <string>
#include <string_view>

#include "mind/mind.h"

namespace chatmind::reference {

// Answers the normalized `text` from the paren rules: a rule answers a
// sentence of `text` when both are of the same SentenceKind and every word
// of its key is a word of the sentence. Sentences are tried last first, and
// for each the rules in list order; the first rule whose reply is fresh
// (IsFreshReply) gives the reply. Returns an empty string when no rule
// answers; changes nothing in `mind`.
std::string MatchParenRules(const Mind& mind, std::string_view text);

}  // namespace chatmind::reference

#endif  // CHATMIND_TESTS_REFERENCE_PAREN_RULES_H_
