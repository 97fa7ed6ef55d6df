#ifndef CHATMIND_TEXT_SENTENCE_KIND_H_
#define CHATMIND_TEXT_SENTENCE_KIND_H_

#include <cstddef>
#include <string_view>

#include "text/string_list.h"
#include "text/text_list.h"

namespace chatmind {

// What a sentence is, for the strategies that compare sentences by words:
// only sentences of equal kind are compared. A negated kind is the plain
// kind with its sign turned.
enum class SentenceKind : int {
  kStatement = 1,                 // the text does not end in '?'
  kQuestion = 2,                  // ends in '?', holds no question word
  kQuestionWithQuestionWord = 3,  // ends in '?', holds a question word
  kNegatedStatement = -1,         // each of the above holding the word "не"
  kNegatedQuestion = -2,
  kNegatedQuestionWithQuestionWord = -3,
};

// The kind of a sentence from what it holds.
constexpr SentenceKind MakeSentenceKind(bool ends_in_question_mark, bool has_question_word,
                                        bool negated) {
  const int kind = !ends_in_question_mark ? 1 : has_question_word ? 3 : 2;
  return static_cast<SentenceKind>(negated ? -kind : kind);
}

// Room for every kind in a table indexed by SentenceKindIndex (-3 to 3,
// 0 unused).
inline constexpr std::size_t kSentenceKinds = 7;
constexpr std::size_t SentenceKindIndex(SentenceKind kind) {
  return static_cast<std::size_t>(static_cast<int>(kind) + 3);
}

// "не", the word that makes a sentence negated.
inline constexpr std::string_view kNegationWord = "\xED\xE5";

// Appends the words of `text` (see AppendWords) to `words` and returns the
// kind of `text`: a question when its last byte is '?', with a question
// word when one of its words is an element of `question_words` (compared as
// stored, byte for byte), and negated when one of its words is exactly
// "не". The empty text is a statement.
SentenceKind ClassifySentence(std::string_view text, const TextList& question_words,
                              StringList& words);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_SENTENCE_KIND_H_
