#include "reply/vocabulary.h"

#include <algorithm>

#include "text/index_entry.h"
#include "text/words.h"

namespace chatmind {

void SortDistinct(std::vector<std::uint32_t>& ids) {
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

Vocabulary::Vocabulary() { Clear(); }

bool Vocabulary::Update(const Mind& mind) {
  bool kinds_changed = false;
  for (; question_words_seen_ < mind.QuestionWords.size(); ++question_words_seen_) {
    const std::string_view word = mind.QuestionWords[question_words_seen_];
    const auto position = PositionWordValue(word);
    const std::uint32_t known = Find(word);
    kinds_changed = kinds_changed || (known != kNone && !IsQuestionWord(known)) ||
                    (position && !IsQuestionPosition(*position));
    if (position) question_positions_.insert(*position);
    SetFlag(question_, Add(word));
  }
  for (; ignored_words_seen_ < mind.IgnoredWords.size(); ++ignored_words_seen_) {
    SetFlag(ignored_, Add(mind.IgnoredWords[ignored_words_seen_]));
  }
  return kinds_changed;
}

std::uint32_t Vocabulary::Add(std::string_view word) { return words_.Add(word); }

SentenceKind Vocabulary::AddWords(std::string_view text, std::vector<std::uint32_t>& ids) {
  return Classify(text, ids, [this](std::string_view word) { return Add(word); });
}

SentenceKind Vocabulary::FindWords(std::string_view text, std::vector<std::uint32_t>& ids) const {
  return Classify(text, ids, [this](std::string_view word) { return Find(word); });
}

template <class Lookup>
SentenceKind Vocabulary::Classify(std::string_view text, std::vector<std::uint32_t>& ids,
                                  Lookup&& lookup) const {
  bool has_question_word = false;
  bool negated = false;
  WordScanner scanner(text);
  std::string_view word;
  while (scanner.Next(word)) {
    const std::uint32_t id = lookup(word);
    has_question_word = has_question_word || IsQuestionWord(id);
    negated = negated || IsNegation(id);
    ids.push_back(id);
  }
  return MakeSentenceKind(!text.empty() && text.back() == '?', has_question_word, negated);
}

void Vocabulary::Clear() {
  words_.Clear();
  question_.clear();
  ignored_.clear();
  question_positions_.clear();
  question_words_seen_ = 0;
  ignored_words_seen_ = 0;
  negation_ = words_.Add(kNegationWord);
}

void Vocabulary::SetFlag(std::vector<bool>& flags, std::uint32_t id) {
  if (id >= flags.size()) flags.resize(id + 1);
  flags[id] = true;
}

}  // namespace chatmind
