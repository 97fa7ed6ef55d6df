#ifndef CHATMIND_REPLY_SENTENCE_SEARCH_H_
#define CHATMIND_REPLY_SENTENCE_SEARCH_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "mind/mind.h"
#include "reply/posting_lists.h"
#include "reply/reply_trace.h"
#include "reply/vocabulary.h"

namespace chatmind {

// Answers a text from SentenceIndex through posting lists: for each
// SentenceKind and word, the entries of that kind holding the word, so that
// a sentence looks only at entries that share a word with it. An entry's
// position word is kept apart, by its number, so that a mind of a million
// pairs does not hold a million one-entry lists.
class SentenceSearch {
 public:
  // Indexes the entries of SentenceIndex from number size() on, classifying
  // them with `vocabulary`.
  void Update(const Mind& mind, Vocabulary& vocabulary);

  // The reply for one `sentence` of a text (see the Matcher method this
  // serves), or an empty string.
  std::string MatchSentence(const Mind& mind, const Vocabulary& vocabulary,
                            std::string_view sentence, MatchTrace* trace) const;

  // The number of entries indexed.
  std::size_t size() const { return kinds_.size(); }

  void Clear();

 private:
  void Add(std::uint32_t number, const IndexEntry& entry, Vocabulary& vocabulary);

  // The (position, entry) pairs of by_position_ whose position is `position`.
  std::span<const std::pair<std::size_t, std::uint32_t>> EntriesAt(std::size_t position) const;

  // The kind of each entry.
  std::vector<SentenceKind> kinds_;
  PostingLists postings_;
  // (position word value, entry), ordered.
  std::vector<std::pair<std::size_t, std::uint32_t>> by_position_;
  // Reused between entries.
  std::vector<std::uint32_t> ids_;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_SENTENCE_SEARCH_H_
