#ifndef CHATMIND_MIND_MIND_H_
#define CHATMIND_MIND_MIND_H_

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "mind/reply_history.h"
#include "text/string_list.h"

namespace chatmind {

// The engine's whole memory. The five key/reply families (Phrase, Paren,
// Brace, Bar, Bracket) are parallel lists: the reply at position i belongs
// to the key at position i, and both lists always have the same length.
struct Mind {
  // File-backed lists: read from and written to the mind file.
  StringList PhraseKeys;
  StringList PhraseReplies;
  StringList ParenKeys;
  StringList ParenReplies;
  StringList BraceKeys;
  StringList BraceReplies;
  StringList BarKeys;
  StringList BarReplies;
  StringList BracketKeys;
  StringList BracketReplies;
  StringList InitialPhrases;
  StringList EscapePhrases;
  StringList IgnoredWords;
  StringList QuestionWords;

  // One index entry per sentence of every loaded phrase key; each carries
  // the position of its own pair in PhraseKeys/PhraseReplies.
  StringList SentenceIndex;
  // Every reply given since the last fallback; never holds an empty string.
  chatmind::ReplyHistory ReplyHistory;
  // The reply given by the most recent call; empty before the first one.
  std::string LastReply;
};

// The fourteen file-backed lists, in the order in which a save reorders them.
inline constexpr std::array<StringList Mind::*, 14> kFileBackedLists = {
    &Mind::PhraseKeys,    &Mind::ParenKeys,      &Mind::BarKeys,       &Mind::BraceKeys,
    &Mind::BracketKeys,   &Mind::PhraseReplies,  &Mind::ParenReplies,  &Mind::BarReplies,
    &Mind::BraceReplies,  &Mind::BracketReplies, &Mind::QuestionWords, &Mind::IgnoredWords,
    &Mind::EscapePhrases, &Mind::InitialPhrases};

// Appends the pair (key, reply) to PhraseKeys and PhraseReplies. Either
// both lists grow or, when memory runs out (std::bad_alloc), neither does.
void AppendPhrasePair(Mind& mind, std::string key, std::string reply);

// Empties the fourteen file-backed lists and SentenceIndex, whose entries
// point into the phrase lists. ReplyHistory and LastReply stay.
void ClearMind(Mind& mind);

}  // namespace chatmind

#endif  // CHATMIND_MIND_MIND_H_
