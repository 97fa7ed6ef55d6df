#include "reply/sentence_search.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <unordered_map>
#include <utility>

#include "reply/fresh_reply.h"
#include "reply/posting_search.h"
#include "text/index_entry.h"
#include "text/words.h"

namespace chatmind {
namespace {

bool EndsInQuestionMark(std::string_view text) { return !text.empty() && text.back() == '?'; }

// The (position, entry) pairs of the index entries at one position.
using EntriesOfPosition = std::span<const std::pair<std::size_t, std::uint32_t>>;

// A distinct significant word of a sentence and how often it stands there.
struct SharedWord {
  std::string text;
  std::uint32_t id;
  std::optional<std::size_t> position;
  // The index entries at `position`.
  EntriesOfPosition at_position;
  int count;
};

// A word of a sentence is told apart by its id and its number: an unknown
// word has no id, and a word that spells no number has no number.
constexpr std::size_t kNoPosition = SIZE_MAX;
using WordKey = std::pair<std::uint32_t, std::size_t>;
struct WordKeyHash {
  std::size_t operator()(const WordKey& key) const {
    return std::hash<std::size_t>{}(key.second) * 31 + key.first;
  }
};

}  // namespace

void SentenceSearch::Update(const Mind& mind, Vocabulary& vocabulary) {
  const std::size_t sorted = by_position_.size();
  kinds_.reserve(mind.SentenceIndex.size());
  by_position_.reserve(mind.SentenceIndex.size());
  for (std::size_t entry = size(); entry < mind.SentenceIndex.size(); ++entry) {
    Add(static_cast<std::uint32_t>(entry), mind.SentenceIndex[entry], vocabulary);
  }
  const auto middle = by_position_.begin() + static_cast<std::ptrdiff_t>(sorted);
  std::sort(middle, by_position_.end());
  std::inplace_merge(by_position_.begin(), middle, by_position_.end());
}

void SentenceSearch::Clear() {
  kinds_ = {};
  postings_.Clear();
  by_position_ = {};
}

void SentenceSearch::Add(std::uint32_t number, const IndexEntry& entry, Vocabulary& vocabulary) {
  // The entry's words are those of its sentence and its position word.
  ids_.clear();
  const SentenceKind sentence_kind = vocabulary.AddWords(entry.sentence, ids_);
  const bool question_position = vocabulary.IsQuestionPosition(entry.position);
  const SentenceKind kind = question_position
                                ? MakeSentenceKind(EndsInQuestionMark(entry.sentence), true,
                                                   static_cast<int>(sentence_kind) < 0)
                                : sentence_kind;
  SortDistinct(ids_);
  for (const std::uint32_t id : ids_) postings_.Add(kind, id, number);
  by_position_.emplace_back(entry.position, number);
  kinds_.push_back(kind);
}

std::span<const std::pair<std::size_t, std::uint32_t>> SentenceSearch::EntriesAt(
    std::size_t position) const {
  const auto [first, last] = std::equal_range(
      by_position_.begin(), by_position_.end(), std::pair<std::size_t, std::uint32_t>(position, 0),
      [](const auto& a, const auto& b) { return a.first < b.first; });
  return {first, last};
}

std::string SentenceSearch::MatchSentence(const Mind& mind, const Vocabulary& vocabulary,
                                          std::string_view sentence, MatchTrace* trace) const {
  std::vector<SharedWord> shared;
  // Where each distinct word stands in `shared`: a sentence may hold a
  // million distinct numbers.
  std::unordered_map<WordKey, std::size_t, WordKeyHash> index_of;
  bool has_question_word = false;
  bool negated = false;
  WordScanner scanner(sentence);
  std::string_view word;
  while (scanner.Next(word)) {
    const std::uint32_t id = vocabulary.Find(word);
    has_question_word = has_question_word || vocabulary.IsQuestionWord(id);
    negated = negated || vocabulary.IsNegation(id);
    if (vocabulary.IsIgnored(id)) continue;
    std::optional<std::size_t> position = PositionWordValue(word);
    const EntriesOfPosition at_position = position ? EntriesAt(*position) : EntriesOfPosition();
    if (at_position.empty()) position.reset();
    // A word that is neither known nor the number of an entry is in no entry.
    if (id == Vocabulary::kNone && !position) continue;
    const auto [at, added] =
        index_of.try_emplace({id, position.value_or(kNoPosition)}, shared.size());
    if (added) {
      shared.push_back({std::string(word), id, position, at_position, 1});
    } else {
      ++shared[at->second].count;
    }
  }
  const SentenceKind kind =
      MakeSentenceKind(EndsInQuestionMark(sentence), has_question_word, negated);

  // The entries of each number's pair, of this kind; the cursors view them.
  std::vector<std::vector<std::uint32_t>> numbered(shared.size());
  std::vector<PostingCursor> cursors;
  for (std::size_t i = 0; i < shared.size(); ++i) {
    for (const auto& at : shared[i].at_position) {
      if (kinds_[at.second] == kind) numbered[i].push_back(at.second);
    }
    const std::span<const std::uint32_t> plain = postings_.Find(kind, shared[i].id);
    if (plain.empty() && numbered[i].empty()) continue;
    cursors.emplace_back(plain, numbered[i], std::min(shared[i].count, 2), i);
  }

  const auto replies_at = [&](std::uint32_t entry) -> std::string_view {
    const std::size_t position = mind.SentenceIndex[entry].position;
    if (position >= mind.PhraseReplies.size()) return {};
    return mind.PhraseReplies[position];
  };
  const std::uint32_t found = FindFirstSharedTwice(
      cursors, [&](std::uint32_t entry) { return IsFreshReply(mind, replies_at(entry)); });
  if (found == PostingCursor::kEnd) return {};
  if (trace) {
    trace->item = found;
    // In the order the words stand in the sentence.
    std::vector<std::size_t> held;
    for (const PostingCursor& cursor : cursors) {
      if (cursor.Head() == found) held.push_back(cursor.tag());
    }
    std::sort(held.begin(), held.end());
    for (const std::size_t i : held) trace->words.push_back(shared[i].text);
  }
  return std::string(replies_at(found));
}

}  // namespace chatmind
