#ifndef CHATMIND_TESTS_SUPPORT_STRATEGY_CASES_H_
#define CHATMIND_TESTS_SUPPORT_STRATEGY_CASES_H_

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "mind/mind.h"
#include "mind/mind_reader.h"

namespace chatmind::test {

// One call of a strategy: the normalized text, what ReplyHistory holds, and
// the reply expected ("" when the strategy must not answer).
struct StrategyCase {
  const char* name;
  std::string text;
  StringList history;
  std::string reply;
};

using StrategyFunction = std::string (*)(const Mind&, std::string_view);

// Asks `strategy` each case over a copy of `mind` holding the case's history.
inline void ExpectStrategyReplies(StrategyFunction strategy, const Mind& mind,
                                  std::span<const StrategyCase> cases) {
  for (const StrategyCase& c : cases) {
    Mind copy = mind;
    copy.ReplyHistory = c.history;
    EXPECT_EQ(strategy(copy, c.text), c.reply) << c.name;
  }
}

// One rule alone: its key line (reply "r"), a normalized text, and "r" when
// the rule must answer the text, "" otherwise.
struct SingleRuleCase {
  const char* name;
  std::string key_line;
  std::string text;
  std::string reply;
};

// Asks `strategy` each case over a mind of the case's rule followed by the
// records of `more_content`.
inline void ExpectSingleRuleReplies(StrategyFunction strategy, std::string_view more_content,
                                    std::span<const SingleRuleCase> cases) {
  for (const SingleRuleCase& c : cases) {
    Mind mind;
    AppendMindContent(mind, c.key_line + "\r\nr\r\n" + std::string(more_content));
    EXPECT_EQ(strategy(mind, c.text), c.reply) << c.name;
  }
}

}  // namespace chatmind::test

#endif  // CHATMIND_TESTS_SUPPORT_STRATEGY_CASES_H_
