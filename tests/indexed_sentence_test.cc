#include "support/strategy_cases.h"

#include <gtest/gtest.h>

#include "mind/mind_reader.h"
#include "support/test_support.h"

namespace chatmind {
namespace {

using test::StrategyCase;
using test::W;

// Index: «Как твои дела 0?», «Привет 0!», «Ты любишь музыку 1?».
Mind ExampleMind() {
  Mind mind;
  AppendMindContent(mind, test::MindFile({
                              "Привет! Как твои дела?",
                              "Спасибо, хорошо.",
                              "Ты любишь музыку?",
                              "Очень люблю.",
                              " <QUESTION>",
                              "как",
                              " <IGNORED>",
                              "а",
                              " <IGNORED>",
                              "у",
                          }));
  return mind;
}

TEST(MatchIndexedSentenceTest, Table) {
  const std::string kFine = W("Спасибо, хорошо.");
  const std::string kLove = W("Очень люблю.");
  const StrategyCase cases[] = {
      {"two shared words of the same kind", W("А как дела у тебя?"), {}, kFine},
      {"one significant word is too few", W("Музыку?"), {}, ""},
      {"a repeated word counts twice", W("Музыку, музыку?"), {}, kLove},
      {"the position word counts", W("Ты 1?"), {}, kLove},
      {"negation must agree", W("Ты не любишь музыку?"), {}, ""},
      {"a question word changes the kind", W("Как ты любишь музыку?"), {}, ""},
      {"a statement is no question", W("Ты любишь музыку."), {}, ""},
      {"the last sentence answers first", W("Привет, друг! Ты любишь музыку?"), {}, kLove},
      {"a given reply is passed over", W("Привет, друг! Ты любишь музыку?"), {kLove}, ""},
      {"the earlier sentence is tried next", W("Ты любишь музыку? Как твои дела?"), {kFine}, kLove},
      {"ignored words never count", W("А у дела?"), {}, ""},
      {"capitals are folded on both sides", W("ТЫ ЛЮБИШЬ?"), {}, kLove},
      {"no sentence at all", "?", {}, ""},
  };
  test::ExpectStrategyReplies(&Matcher::MatchIndexedSentence, ExampleMind(), cases);
}

TEST(MatchIndexedSentenceTest, EntriesAnswerInIndexOrder) {
  Mind mind;
  AppendMindContent(mind, test::MindFile({"red green.", "first", "green red.", "second"}));
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchIndexedSentence, mind, "green red."), "first");
  mind.ReplyHistory = {"first"};
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchIndexedSentence, mind, "green red."), "second");
}

TEST(MatchIndexedSentenceTest, KeysWithoutTerminatorAreNotIndexed) {
  Mind mind;
  AppendMindContent(mind, test::MindFile({"red green", "reply"}));
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchIndexedSentence, mind, "red green."), "");
}

TEST(MatchIndexedSentenceTest, PositionOutsideThePairsAnswersNothing) {
  Mind mind;
  mind.PhraseKeys = {"a b.", "c d."};
  mind.PhraseReplies = {"ab", "cd"};
  mind.SentenceIndex = {{"a b.", 2}, {"a b.", SIZE_MAX}, {"a b.", 0}};
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchIndexedSentence, mind, "a b."), "ab");
}

}  // namespace
}  // namespace chatmind
