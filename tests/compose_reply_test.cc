#include "reply/compose_reply.h"

#include <gtest/gtest.h>

#include "mind/mind_reader.h"
#include "reply/stock_strategies.h"
#include "support/strategy_cases.h"
#include "support/test_support.h"

namespace chatmind {
namespace {

using test::W;

const std::string kNotUnderstood = W("Не понял.");

class ComposeReplyTest : public ::testing::Test {
 protected:
  std::string Reply(std::string_view text) {
    return ComposeReply(mind_, matcher_, text, [this] { return fallback_; });
  }

  Mind mind_;
  reference::PlainMatcher matcher_;
  std::string fallback_;  // what the settings file holds; empty: the default
};

TEST_F(ComposeReplyTest, DefaultFallbackIsNotUnderstood) {
  EXPECT_EQ(kDefaultFallbackReply, kNotUnderstood);
  EXPECT_EQ(Reply(W("Привет")), kNotUnderstood);
  EXPECT_EQ(test::Replies(mind_.ReplyHistory), (StringList{kNotUnderstood}));
  EXPECT_EQ(mind_.LastReply, kNotUnderstood);
}

TEST_F(ComposeReplyTest, SpacesOnlyGetEmptyReplyAndChangeNothing) {
  mind_.LastReply = "x";
  mind_.ReplyHistory = {"x"};
  EXPECT_EQ(Reply("   "), "");
  EXPECT_EQ(mind_.LastReply, "x");
  EXPECT_EQ(test::Replies(mind_.ReplyHistory), (StringList{"x"}));
  EXPECT_TRUE(mind_.PhraseKeys.empty());
}

TEST_F(ComposeReplyTest, Normalization) {
  const struct {
    const char* name;
    std::string text;
    std::string normalized;
  } cases[] = {
      {"empty text becomes ?", "", "?"},
      {"leading spaces go, ? is appended", W("  Привет"), W("Привет?")},
      {"a final dot stays", W("Привет."), W("Привет.")},
      {"a final ! stays", "Hi!", "Hi!"},
      {"trailing spaces stay", W("Привет "), W("Привет ?")},
      {"a tab is no space", "\tHi", "\tHi?"},
  };
  for (const auto& c : cases) {
    Mind mind;
    mind.LastReply = "prev";
    reference::PlainMatcher matcher;
    ComposeReply(mind, matcher, c.text, [] { return std::string(); });
    EXPECT_EQ(mind.PhraseReplies, TextList{c.normalized}) << c.name;
  }
}

TEST_F(ComposeReplyTest, LearnsEachPairOnceFromTheSecondCallOn) {
  EXPECT_EQ(Reply("a"), kNotUnderstood);
  EXPECT_TRUE(mind_.PhraseKeys.empty()) << "the first call has no previous reply";
  Reply(W("Как дела?"));
  Reply(W("Как дела?"));
  EXPECT_EQ(mind_.PhraseKeys, TextList{kNotUnderstood});
  EXPECT_EQ(mind_.PhraseReplies, TextList{W("Как дела?")});
  EXPECT_EQ(Reply(kNotUnderstood), W("Как дела?")) << "the learned pair answers";
}

TEST_F(ComposeReplyTest, ConfiguredFallbackAndItsRepetition) {
  fallback_ = W("Повторите.");
  EXPECT_EQ(Reply("a"), W("Повторите."));
  EXPECT_EQ(Reply("b"), W("Повторите.")) << "the fallback may repeat";
  EXPECT_EQ(test::Replies(mind_.ReplyHistory), (StringList{W("Повторите.")}));
}

TEST_F(ComposeReplyTest, HistoryCycleThroughStockPhrases) {
  mind_.EscapePhrases = {"A", "B"};
  mind_.InitialPhrases = {"I", "A"};
  const char* expected[] = {"A", "B", "I", "\xCD\xE5 \xEF\xEE\xED\xFF\xEB.", "A", "B"};
  for (const char* reply : expected) EXPECT_EQ(Reply("x"), reply);
}

// One line that every strategy can answer: each gives way to the next once
// its reply has been given.
TEST_F(ComposeReplyTest, StrategiesAnswerInTheirOrder) {
  AppendMindContent(mind_, test::MindFile({"x y z?", "index", "x y i?", "exact", " (x?)", "paren",
                                           " {i?}", "brace", " <IGNORED>", "i", " <ESCAPE>",
                                           "escape", " <INITIAL>", "initial"}));
  const char* expected[] = {"exact", "index", "paren", "brace", "escape", "initial"};
  for (const char* reply : expected) EXPECT_EQ(Reply("x y i?"), reply);
  EXPECT_EQ(Reply("x y i?"), kNotUnderstood);
  EXPECT_EQ(Reply("x y i?"), "exact") << "the fallback emptied the history";
}

TEST(MatchExactPhraseTest, FirstKeyWhoseReplyIsNotGiven) {
  Mind mind;
  mind.PhraseKeys = {W("Привет!"), "x.", W("Привет!")};
  mind.PhraseReplies = {W("Здравствуй."), "y", W("Привет, привет.")};
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchExactPhrase, mind, W("Привет!")),
            W("Здравствуй."));
  mind.ReplyHistory = {W("Здравствуй.")};
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchExactPhrase, mind, W("Привет!")),
            W("Привет, привет."));
  mind.ReplyHistory.Add(W("Привет, привет."));
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchExactPhrase, mind, W("Привет!")), "");
  EXPECT_EQ(test::AskBothMatchers(&Matcher::MatchExactPhrase, mind, W("привет!")), "")
      << "case matters";
}

TEST(MatchExactPhraseTest, KeyWithoutTerminatorNeverMatches) {
  Mind mind;
  mind.PhraseKeys = {W("Привет")};
  mind.PhraseReplies = {"r"};
  mind.EscapePhrases = {"e"};
  reference::PlainMatcher matcher;
  EXPECT_EQ(ComposeReply(mind, matcher, W("Привет"), [] { return std::string(); }), "e");
}

TEST(PickEscapePhraseTest, SkipsWhatWasGivenAndDuplicates) {
  Mind mind;
  mind.EscapePhrases = {"A", "A", "B"};
  mind.ReplyHistory = {"B"};
  EXPECT_EQ(PickEscapePhrase(mind), "A");
  mind.ReplyHistory.Add("A");
  EXPECT_EQ(PickEscapePhrase(mind), "") << "the second copy of A is given already";
  EXPECT_EQ(PickInitialPhrase(mind), "");
}

}  // namespace
}  // namespace chatmind
