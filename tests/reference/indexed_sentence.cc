#include "reference/indexed_sentence.h"

#include <cstddef>

#include "reference/plain_lookups.h"
#include "text/index_entry.h"
#include "text/sentence_kind.h"
#include "text/sentences.h"
#include "text/word_lists.h"

namespace chatmind::reference {
namespace {

// The reply of the phrase pair whose position is the last of `entry_words`,
// or an empty string when that position lies outside PhraseReplies. The
// position is checked, not trusted: the index is a separate list, and a
// lookup must never read past the pairs.
std::string_view ReplyAtEntryPosition(const Mind& mind, const StringList& entry_words) {
  const int position = TextToNumber(entry_words.back());
  if (position < 0 || static_cast<std::size_t>(position) >= mind.PhraseReplies.size()) return {};
  return mind.PhraseReplies[static_cast<std::size_t>(position)];
}

}  // namespace

std::string MatchIndexedSentence(const Mind& mind, std::string_view text) {
  StringList sentences;
  SplitSentences(text, sentences);
  for (const std::string& sentence : sentences) {
    StringList words;
    const SentenceKind kind = ClassifySentence(sentence, mind.QuestionWords, words);
    StringList significant;
    StringList ignored;
    SeparateIgnored(words, mind.IgnoredWords, significant, ignored);
    if (significant.size() < 2) continue;

    for (const IndexEntry& indexed : mind.SentenceIndex) {
      const std::string entry = MakeIndexEntry(indexed.sentence, indexed.position);
      StringList entry_words;
      if (ClassifySentence(entry, mind.QuestionWords, entry_words) != kind) continue;
      if (CountShared(significant, entry_words) < 2) continue;
      const std::string_view reply = ReplyAtEntryPosition(mind, entry_words);
      if (IsFreshByScan(mind, reply)) return std::string(reply);
    }
  }
  return {};
}

}  // namespace chatmind::reference
