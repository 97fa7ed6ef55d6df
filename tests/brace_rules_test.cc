#include "support/strategy_cases.h"

#include <gtest/gtest.h>

#include "mind/mind_reader.h"
#include "support/test_support.h"

namespace chatmind {
namespace {

using test::StrategyCase;
using test::W;

// Rules of kinds 2, 1 and 1; «ты», «я», «а» ignored, «как» a question word.
Mind ExampleMind(std::string_view ignored_you) {
  Mind mind;
  AppendMindContent(
      mind, test::MindFile({" {а ты?}", "А что я?", " {я сам.}", "Расскажи о себе.", " {ты.}",
                            "Почему я?", " <IGNORED>", ignored_you, " <IGNORED>", "я", " <IGNORED>",
                            "а", " <QUESTION>", "как"}));
  return mind;
}

TEST(MatchBraceRulesTest, Table) {
  const StrategyCase cases[] = {
      {"an ignored word of the key", W("Я устал."), {}, W("Расскажи о себе.")},
      {"the first ignored word is tried first", W("Ты и я."), {}, W("Почему я?")},
      {"a question", W("А ты?"), {}, W("А что я?")},
      {"negation must agree", W("Ты не спишь?"), {}, ""},
      {"no ignored word", W("Музыка играет."), {}, ""},
      {"a given reply is passed over", W("Я устал."), {W("Расскажи о себе.")}, ""},
      {"significant words never match", W("Сам устал."), {}, ""},
      {"the last sentence first", W("Я устал. Ты?"), {}, W("А что я?")},
      {"then the one before", W("Я устал. Ты?"), {W("А что я?")}, W("Расскажи о себе.")},
  };
  test::ExpectStrategyReplies(&Matcher::MatchBraceRules, ExampleMind("ты"), cases);
}

TEST(MatchBraceRulesTest, IgnoredWordsAreComparedAsStored) {
  const Mind mind = ExampleMind("Ты");
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchBraceRules, mind, W("Ты и я.")),
            W("Расскажи о себе."));
}

TEST(MatchBraceRulesTest, AKeyNeedsATerminatorToHaveAWord) {
  const test::SingleRuleCase cases[] = {
      {"a one-word key has no word", W(" {как}"), W("Как дела."), ""},
      {"with a terminator it has one", W(" {как?}"), W("Как дела?"), "r"},
      {"an empty key never answers", " {}", W("Как."), ""},
  };
  test::ExpectSingleRuleReplies(&Matcher::MatchBraceRules, test::MindFile({" <IGNORED>", "как"}),
                                cases);
}

}  // namespace
}  // namespace chatmind
