#include "text/sentence_kind.h"

#include <cstddef>
#include <string>

#include "text/words.h"

namespace chatmind {
namespace {

// "не" in Windows-1251.
constexpr std::string_view kNegation = "\xED\xE5";

}  // namespace

SentenceKind ClassifySentence(std::string_view text, const StringList& question_words,
                              StringList& words) {
  const std::size_t first = words.size();
  AppendWords(text, words);

  bool has_question_word = false;
  bool negated = false;
  for (std::size_t i = first; i < words.size(); ++i) {
    if (words[i] == kNegation) negated = true;
    if (FindString(words[i], question_words) != -1) has_question_word = true;
  }
  int kind = 1;
  if (!text.empty() && text.back() == '?') kind = has_question_word ? 3 : 2;
  return static_cast<SentenceKind>(negated ? -kind : kind);
}

}  // namespace chatmind
