#ifndef CHATMIND_MIND_MIND_H_
#define CHATMIND_MIND_MIND_H_

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "mind/reply_history.h"
#include "text/text_list.h"

namespace chatmind {

// An index entry: one sentence of a phrase key (a view into the key) and
// the position of its pair. Its text is MakeIndexEntry(sentence, position).
struct IndexEntry {
  std::string_view sentence;
  std::size_t position;

  friend bool operator==(const IndexEntry&, const IndexEntry&) = default;
};

// The engine's whole memory. The five key/reply families (Phrase, Paren,
// Brace, Bar, Bracket) are parallel lists: the reply at position i belongs
// to the key at position i, and both lists always have the same length.
struct Mind {
  // File-backed lists: read from and written to the mind file.
  TextList PhraseKeys;
  TextList PhraseReplies;
  TextList ParenKeys;
  TextList ParenReplies;
  TextList BraceKeys;
  TextList BraceReplies;
  TextList BarKeys;
  TextList BarReplies;
  TextList BracketKeys;
  TextList BracketReplies;
  TextList InitialPhrases;
  TextList EscapePhrases;
  TextList IgnoredWords;
  TextList QuestionWords;

  // One index entry per sentence of every loaded phrase key; each carries
  // the position of its own pair in PhraseKeys/PhraseReplies.
  std::vector<IndexEntry> SentenceIndex;
  // Every reply given since the last fallback; never holds an empty string.
  chatmind::ReplyHistory ReplyHistory;
  // The reply given by the most recent call; empty before the first one.
  std::string LastReply;
};

// The fourteen file-backed lists, in the order in which a save reorders them.
inline constexpr std::array<TextList Mind::*, 14> kFileBackedLists = {
    &Mind::PhraseKeys,    &Mind::ParenKeys,      &Mind::BarKeys,       &Mind::BraceKeys,
    &Mind::BracketKeys,   &Mind::PhraseReplies,  &Mind::ParenReplies,  &Mind::BarReplies,
    &Mind::BraceReplies,  &Mind::BracketReplies, &Mind::QuestionWords, &Mind::IgnoredWords,
    &Mind::EscapePhrases, &Mind::InitialPhrases};

// Appends the pair (key, reply) to PhraseKeys and PhraseReplies. Either
// both lists grow or, when memory runs out (std::bad_alloc), neither does.
void AppendPhrasePair(Mind& mind, std::string_view key, std::string_view reply);

// Empties the fourteen file-backed lists and SentenceIndex, whose entries
// point into the phrase lists. ReplyHistory and LastReply stay.
void ClearMind(Mind& mind);

}  // namespace chatmind

#endif  // CHATMIND_MIND_MIND_H_
