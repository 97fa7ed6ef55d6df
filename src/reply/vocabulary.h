#ifndef CHATMIND_REPLY_VOCABULARY_H_
#define CHATMIND_REPLY_VOCABULARY_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "mind/mind.h"
#include "reply/word_table.h"
#include "text/sentence_kind.h"

namespace chatmind {

// Sorts `ids` and drops repeated ones: a word counts once per entry or rule.
void SortDistinct(std::vector<std::uint32_t>& ids);

// The words the indexes know, by id, and what the mind's question and
// ignored word lists make of them. Every question and ignored word is
// known, so a word that is not is neither.
class Vocabulary {
 public:
  static constexpr std::uint32_t kNone = WordTable::kNone;

  Vocabulary();

  // Takes in the question and ignored words that `mind` gained since the
  // last call. Returns true when a new question word may change the kind of
  // a sentence classified before: the word was known already, or it is a
  // number that a position word can spell.
  bool Update(const Mind& mind);

  std::uint32_t Add(std::string_view word);
  std::uint32_t Find(std::string_view word) const { return words_.Find(word); }
  // The word whose id is `id`, which must have been given by Add.
  std::string_view Word(std::uint32_t id) const { return words_.Word(id); }

  bool IsQuestionWord(std::uint32_t id) const { return Flag(question_, id); }
  bool IsIgnored(std::uint32_t id) const { return Flag(ignored_, id); }
  bool IsNegation(std::uint32_t id) const { return id == negation_; }
  // True when the decimal text of `position` is a question word.
  bool IsQuestionPosition(std::size_t position) const {
    return question_positions_.contains(position);
  }

  // Appends the ids of the words of `text`, adding new words, and returns
  // the kind of `text`, as ClassifySentence would.
  SentenceKind AddWords(std::string_view text, std::vector<std::uint32_t>& ids);

  // As AddWords, but adds no word: an unknown word's id is kNone.
  SentenceKind FindWords(std::string_view text, std::vector<std::uint32_t>& ids) const;

  void Clear();

 private:
  template <class Lookup>
  SentenceKind Classify(std::string_view text, std::vector<std::uint32_t>& ids,
                        Lookup&& lookup) const;

  static bool Flag(const std::vector<bool>& flags, std::uint32_t id) {
    return id < flags.size() && flags[id];
  }
  static void SetFlag(std::vector<bool>& flags, std::uint32_t id);

  WordTable words_;
  std::vector<bool> question_;
  std::vector<bool> ignored_;
  std::uint32_t negation_ = kNone;
  std::unordered_set<std::size_t> question_positions_;
  std::size_t question_words_seen_ = 0;
  std::size_t ignored_words_seen_ = 0;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_VOCABULARY_H_
