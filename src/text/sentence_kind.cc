#include "text/sentence_kind.h"

#include <cstddef>
#include <string>

#include "text/words.h"

namespace chatmind {
SentenceKind ClassifySentence(std::string_view text, const TextList& question_words,
                              StringList& words) {
  const std::size_t first = words.size();
  AppendWords(text, words);

  bool has_question_word = false;
  bool negated = false;
  for (std::size_t i = first; i < words.size(); ++i) {
    if (words[i] == kNegationWord) negated = true;
    if (FindString(words[i], question_words) != -1) has_question_word = true;
  }
  return MakeSentenceKind(!text.empty() && text.back() == '?', has_question_word, negated);
}

}  // namespace chatmind
