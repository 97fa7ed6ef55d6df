#include "reply/sentence_search.h"

#include <algorithm>
#include <optional>

#include "reply/fresh_reply.h"
#include "reply/posting_search.h"
#include "text/index_entry.h"
#include "text/words.h"

namespace chatmind {
namespace {

bool EndsInQuestionMark(std::string_view text) { return !text.empty() && text.back() == '?'; }

// A distinct significant word of a sentence and how often it stands there.
struct SharedWord {
  std::uint32_t id;
  std::optional<std::size_t> position;
  int count;
};

}  // namespace

void SentenceSearch::Update(const Mind& mind, Vocabulary& vocabulary) {
  const std::size_t sorted = by_position_.size();
  for (std::size_t entry = size(); entry < mind.SentenceIndex.size(); ++entry) {
    Add(static_cast<std::uint32_t>(entry), mind.SentenceIndex[entry], vocabulary);
  }
  const auto middle = by_position_.begin() + static_cast<std::ptrdiff_t>(sorted);
  std::sort(middle, by_position_.end());
  std::inplace_merge(by_position_.begin(), middle, by_position_.end());
}

void SentenceSearch::Clear() {
  kinds_ = {};
  reply_positions_ = {};
  postings_.Clear();
  by_position_ = {};
}

void SentenceSearch::Add(std::uint32_t entry, std::string_view text, Vocabulary& vocabulary) {
  words_.clear();
  AppendWords(text, words_);
  if (words_.empty()) {
    // Sharing two words is impossible: the entry needs no postings.
    kinds_.push_back(MakeSentenceKind(EndsInQuestionMark(text), false, false));
    reply_positions_.push_back(-1);
    return;
  }
  const std::string& last = words_.back();
  const std::optional<std::size_t> position = PositionWordValue(last);
  const std::size_t plain_words = position ? words_.size() - 1 : words_.size();
  bool has_question_word = position && vocabulary.IsQuestionPosition(*position);
  bool negated = false;
  ids_.clear();
  for (std::size_t i = 0; i < plain_words; ++i) {
    const std::uint32_t id = vocabulary.Add(words_[i]);
    has_question_word = has_question_word || vocabulary.IsQuestionWord(id);
    negated = negated || vocabulary.IsNegation(id);
    ids_.push_back(id);
  }
  const SentenceKind kind = MakeSentenceKind(EndsInQuestionMark(text), has_question_word, negated);
  std::sort(ids_.begin(), ids_.end());
  ids_.erase(std::unique(ids_.begin(), ids_.end()), ids_.end());
  for (const std::uint32_t id : ids_) postings_.Add(kind, id, entry);
  if (position) by_position_.emplace_back(*position, entry);
  kinds_.push_back(kind);
  reply_positions_.push_back(TextToNumber(last));
}

std::string SentenceSearch::MatchSentence(const Mind& mind, const Vocabulary& vocabulary,
                                          std::string_view sentence) const {
  std::vector<SharedWord> shared;
  bool has_question_word = false;
  bool negated = false;
  WordScanner scanner(sentence);
  std::string_view word;
  while (scanner.Next(word)) {
    const std::uint32_t id = vocabulary.Find(word);
    has_question_word = has_question_word || vocabulary.IsQuestionWord(id);
    negated = negated || vocabulary.IsNegation(id);
    if (vocabulary.IsIgnored(id)) continue;
    const std::optional<std::size_t> position = PositionWordValue(word);
    // A word that is neither known nor a number is in no entry.
    if (id == Vocabulary::kNone && !position) continue;
    const auto same = std::find_if(shared.begin(), shared.end(), [&](const SharedWord& s) {
      return s.id == id && s.position == position;
    });
    if (same != shared.end()) {
      ++same->count;
    } else {
      shared.push_back({id, position, 1});
    }
  }
  const SentenceKind kind =
      MakeSentenceKind(EndsInQuestionMark(sentence), has_question_word, negated);

  // The entries of each number's pair, of this kind; the cursors view them.
  std::vector<std::vector<std::uint32_t>> numbered(shared.size());
  std::vector<PostingCursor> cursors;
  for (std::size_t i = 0; i < shared.size(); ++i) {
    if (shared[i].position) {
      const std::size_t value = *shared[i].position;
      for (auto it = std::lower_bound(by_position_.begin(), by_position_.end(),
                                      std::pair<std::size_t, std::uint32_t>(value, 0));
           it != by_position_.end() && it->first == value; ++it) {
        if (kinds_[it->second] == kind) numbered[i].push_back(it->second);
      }
    }
    const std::span<const std::uint32_t> plain = postings_.Find(kind, shared[i].id);
    if (plain.empty() && numbered[i].empty()) continue;
    cursors.emplace_back(plain, numbered[i], std::min(shared[i].count, 2));
  }

  const auto replies_at = [&](std::uint32_t entry) -> std::string_view {
    const int position = reply_positions_[entry];
    if (position < 0 || static_cast<std::size_t>(position) >= mind.PhraseReplies.size()) return {};
    return mind.PhraseReplies[static_cast<std::size_t>(position)];
  };
  const std::uint32_t found = FindFirstSharedTwice(
      cursors, [&](std::uint32_t entry) { return IsFreshReply(mind, replies_at(entry)); });
  if (found == PostingCursor::kEnd) return {};
  return std::string(replies_at(found));
}

}  // namespace chatmind
