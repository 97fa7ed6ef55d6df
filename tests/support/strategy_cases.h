#ifndef CHATMIND_TESTS_SUPPORT_STRATEGY_CASES_H_
#define CHATMIND_TESTS_SUPPORT_STRATEGY_CASES_H_

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "mind/mind.h"
#include "mind/mind_reader.h"
#include "reference/plain_matcher.h"
#include "reply/indexed_matcher.h"
#include "reply/matcher.h"

namespace chatmind::test {

// A strategy of both matchers: the plain one and the indexed one.
using MatcherStrategy = std::string (Matcher::*)(const Mind&, std::string_view, MatchTrace*);

// Asks `strategy` of both matchers about `text` over `mind`, expects them to
// agree, and returns the plain matcher's reply.
inline std::string AskBothMatchers(MatcherStrategy strategy, const Mind& mind,
                                   std::string_view text) {
  reference::PlainMatcher plain;
  IndexedMatcher indexed;
  indexed.Rebuild(mind);
  std::string reply = (plain.*strategy)(mind, text, nullptr);
  MatchTrace trace;
  EXPECT_EQ((indexed.*strategy)(mind, text, &trace), reply) << "the indexed matcher differs";
  return reply;
}

// One call of a strategy: the normalized text, what ReplyHistory holds, and
// the reply expected ("" when the strategy must not answer).
struct StrategyCase {
  const char* name;
  std::string text;
  StringList history;
  std::string reply;
};

// Asks `strategy` each case over a copy of `mind` holding the case's history.
inline void ExpectStrategyReplies(MatcherStrategy strategy, const Mind& mind,
                                  std::span<const StrategyCase> cases) {
  for (const StrategyCase& c : cases) {
    SCOPED_TRACE(c.name);
    Mind copy = mind;
    copy.ReplyHistory.Clear();
    for (const std::string& reply : c.history) copy.ReplyHistory.Add(reply);
    EXPECT_EQ(AskBothMatchers(strategy, copy, c.text), c.reply);
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
inline void ExpectSingleRuleReplies(MatcherStrategy strategy, std::string_view more_content,
                                    std::span<const SingleRuleCase> cases) {
  for (const SingleRuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    Mind mind;
    AppendMindContent(mind, c.key_line + "\r\nr\r\n" + std::string(more_content));
    EXPECT_EQ(AskBothMatchers(strategy, mind, c.text), c.reply);
  }
}

}  // namespace chatmind::test

#endif  // CHATMIND_TESTS_SUPPORT_STRATEGY_CASES_H_
