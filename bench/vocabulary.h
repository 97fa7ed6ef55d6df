#ifndef CHATMIND_BENCH_VOCABULARY_H_
#define CHATMIND_BENCH_VOCABULARY_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "random.h"
#include "zipf_sampler.h"

namespace chatmind::bench {

using WordId = std::uint32_t;

// Russian word forms in Windows-1251, lower case and without 'ё', ranked by
// frequency: common words first, then forms built from syllables. Words are
// drawn with a Zipf distribution (s = 1) over the ranks.
class Vocabulary {
 public:
  static constexpr std::size_t kSize = 4000;
  static constexpr std::size_t kIgnoredWords = 200;
  static constexpr std::size_t kQuestionWords = 30;

  explicit Vocabulary(Random& random);

  const std::string& Word(WordId id) const { return words_[id]; }
  WordId Sample(Random& random) const { return static_cast<WordId>(zipf_.Sample(random)); }
  // A Zipf-drawn word that is not ignored: the words of a topic.
  WordId SampleSignificant(Random& random) const;

  // The most frequent words are the ignored ones.
  bool IsIgnored(WordId id) const { return id < kIgnoredWords; }
  bool IsQuestionWord(WordId id) const;
  WordId Negation() const { return negation_; }
  std::span<const WordId> QuestionWords() const { return question_words_; }
  // Ignored words that change no sentence's kind: neither the negation nor
  // question words.
  std::span<const WordId> NeutralIgnoredWords() const { return neutral_ignored_; }

  // A plausible word form that is not in the vocabulary.
  std::string UnknownWord(Random& random) const;

 private:
  std::string MakeForm(Random& random) const;

  std::vector<std::string> words_;
  std::unordered_set<std::string> known_;
  ZipfSampler zipf_;
  WordId negation_ = 0;
  std::vector<WordId> question_words_;
  std::vector<WordId> neutral_ignored_;
  std::vector<std::string> onsets_, vowels_, codas_, endings_;
};

// The capital of a small Windows-1251 letter; other bytes stay.
char Capital(char c);

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_VOCABULARY_H_
