#include "support/strategy_cases.h"

#include <gtest/gtest.h>

#include "mind/mind_reader.h"
#include "support/test_support.h"

namespace chatmind {
namespace {

using test::StrategyCase;
using test::W;

// Rules of kinds 2, 2, -2 and 1, «как» a question word.
Mind ExampleMind() {
  Mind mind;
  AppendMindContent(mind, test::MindFile({
                              " (любишь музыку?)",
                              "Люблю, конечно.",
                              " (музыку?)",
                              "Какую музыку?",
                              " (не любишь?)",
                              "Почему не люблю?",
                              " (.)",
                              "Понятно.",
                              " <QUESTION>",
                              "как",
                          }));
  return mind;
}

TEST(MatchParenRulesTest, Table) {
  const StrategyCase cases[] = {
      {"all key words, any order", W("А ты музыку любишь?"), {}, W("Люблю, конечно.")},
      {"a given reply is passed over",
       W("А ты музыку любишь?"),
       {W("Люблю, конечно.")},
       W("Какую музыку?")},
      {"negation must agree", W("Ты не любишь музыку?"), {}, W("Почему не люблю?")},
      {"a question word changes the kind", W("Как ты любишь музыку?"), {}, ""},
      {"a key without words answers its kind", W("Я иду домой."), {}, W("Понятно.")},
      {"! ends a statement too", W("Я иду домой!"), {}, W("Понятно.")},
      {"a negated statement is another kind", W("Я не иду домой."), {}, ""},
      {"key words must share one sentence", W("Музыку? Любишь?"), {}, W("Какую музыку?")},
      {"whole words only", W("Музыкой любишь?"), {}, ""},
      {"every rule given", W("Музыку?"), {W("Какую музыку?")}, ""},
  };
  test::ExpectStrategyReplies(&Matcher::MatchParenRules, ExampleMind(), cases);
}

// Keys that surprise mind authors: without a final terminator a key loses
// its last word and is a statement.
TEST(MatchParenRulesTest, KeysWithoutTerminator) {
  const test::SingleRuleCase cases[] = {
      {"a one-word key has no word", W(" (погода)"), W("Я иду домой."), "r"},
      {"...but still no negated statement", W(" (погода)"), W("Погода не та."), ""},
      {"...and no question", W(" (погода)"), W("Погода?"), ""},
      {"two words keep the first", W(" (любишь музыку)"), W("Любишь кино."), "r"},
      {"...which must be there", W(" (любишь музыку)"), W("Музыку."), ""},
      {"an empty key answers statements", " ()", W("Что угодно."), "r"},
      {"a lone ? answers plain questions", " (?)", W("Что угодно?"), "r"},
      {"the key's не makes it negated", W(" (не.)"), W("Я не знаю."), "r"},
  };
  test::ExpectSingleRuleReplies(&Matcher::MatchParenRules, "", cases);
}

}  // namespace
}  // namespace chatmind
