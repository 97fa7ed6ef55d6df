#ifndef CHATMIND_TESTS_REFERENCE_INDEXED_SENTENCE_H_
#define CHATMIND_TESTS_REFERENCE_INDEXED_SENTENCE_H_

#include <string>
#include <string_view>

#include "mind/mind.h"

namespace chatmind::reference {

// Answers the normalized `text` from SentenceIndex: an index entry answers a
// sentence of `text` when both are of the same SentenceKind and at least two
// of the sentence's significant words (those not in IgnoredWords, each
// occurrence counted) are among the entry's words, its position word
// included; the reply is that of the phrase pair at the entry's position.
// Sentences are tried last first, and for each the entries in list order;
// the first entry whose reply is fresh (IsFreshReply) gives the reply.
// Entries whose position lies outside PhraseReplies answer nothing. Returns
// an empty string when no entry answers; changes nothing in `mind`.
std::string MatchIndexedSentence(const Mind& mind, std::string_view text);

}  // namespace chatmind::reference

#endif  // CHATMIND_TESTS_REFERENCE_INDEXED_SENTENCE_H_
