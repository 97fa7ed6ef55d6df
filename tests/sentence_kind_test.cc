#include "text/sentence_kind.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::W;

constexpr SentenceKind kStatement = SentenceKind::kStatement;
constexpr SentenceKind kQuestion = SentenceKind::kQuestion;
constexpr SentenceKind kWithWord = SentenceKind::kQuestionWithQuestionWord;
constexpr SentenceKind kNegStatement = SentenceKind::kNegatedStatement;
constexpr SentenceKind kNegQuestion = SentenceKind::kNegatedQuestion;
constexpr SentenceKind kNegWithWord = SentenceKind::kNegatedQuestionWithQuestionWord;

TEST(ClassifySentenceTest, Table) {
  const struct {
    const char* name;
    std::string text;
    TextList question_words;
    SentenceKind kind;
    StringList words;
  } cases[] = {
      {"statement", W("Ты знаешь."), {W("кто")}, kStatement, {W("ты"), W("знаешь")}},
      {"question", W("Ты знаешь?"), {W("кто")}, kQuestion, {W("ты"), W("знаешь")}},
      {"question word", W("Кто ты?"), {W("кто")}, kWithWord, {W("кто"), W("ты")}},
      {"negated question",
       W("Ты не знаешь?"),
       {W("кто")},
       kNegQuestion,
       {W("ты"), W("не"), W("знаешь")}},
      {"negated, capitals", W("Я НЕ знаю."), {}, kNegStatement, {W("я"), W("не"), W("знаю")}},
      {"negated question word",
       W("Ты не знаешь, кто это?"),
       {W("кто")},
       kNegWithWord,
       {W("ты"), W("не"), W("знаешь"), W("кто"), W("это")}},
      {"a question word in a statement",
       W("Кто это."),
       {W("кто")},
       kStatement,
       {W("кто"), W("это")}},
      {"question words are compared as stored",
       W("Как дела?"),
       {W("Как")},
       kQuestion,
       {W("как"), W("дела")}},
      {"a stored ё never matches", W("Всё?"), {W("всё")}, kQuestion, {W("вс")}},
      {"only the whole word не negates", W("Нет."), {}, kStatement, {W("нет")}},
      {"не-а is another word", W("Не-а."), {}, kStatement, {W("не-а")}},
      {"only the last byte makes a question",
       W("Что? Да."),
       {W("что")},
       kStatement,
       {W("что"), W("да")}},
      {"a space after ? makes a statement", "a? ", {}, kStatement, {"a"}},
      {"an index entry is a question",
       W("Как дела 12?"),
       {},
       kQuestion,
       {W("как"), W("дела"), "12"}},
      {"a digit word can be a question word",
       W("Как дела 12?"),
       {"12"},
       kWithWord,
       {W("как"), W("дела"), "12"}},
      {"a lost last word cannot negate", W("да не"), {}, kStatement, {W("да")}},
      {"empty text", "", {W("как")}, kStatement, {}},
      {"a lone ?", "?", {}, kQuestion, {}},
  };
  for (const auto& c : cases) {
    StringList words;
    EXPECT_EQ(ClassifySentence(c.text, c.question_words, words), c.kind) << c.name;
    EXPECT_EQ(words, c.words) << c.name;
  }
}

TEST(ClassifySentenceTest, WordsAlreadyInTheListDoNotCount) {
  StringList words = {W("не"), W("как")};
  EXPECT_EQ(ClassifySentence(W("Да?"), {W("как")}, words), kQuestion);
  EXPECT_EQ(words, (StringList{W("не"), W("как"), W("да")}));
}

}  // namespace
}  // namespace chatmind
