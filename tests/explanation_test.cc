#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chatmind/engine.hpp"
#include "support/test_support.h"

namespace chatmind {
namespace {

using Source = ReplyExplanation::Source;
using test::W;

// One line of a conversation and the explanation expected for its reply.
struct ExplanationCase {
  const char* name;
  std::string text;
  Source source;
  std::string sentence;
  std::string key;
  std::string index_entry;
  std::vector<std::string> words;
  std::string learned_key;  // empty: nothing learned
};

TEST(ExplanationTest, EachStrategyExplainsItsDecision) {
  test::TempDir dir;
  test::WriteBytes(
      dir.Path("m.mind"),
      test::MindFile({"Привет!", "Здравствуй!", "Ты любишь музыку?", "Очень люблю.", " (погода.)",
                      "Погода хорошая.", " {ты?}", "Я бот.", " <IGNORED>", "ты", " <ESCAPE>",
                      "Давай о другом.", " <INITIAL>", "Расскажи о себе."}));
  Engine engine(dir.Path("none.INI"));
  ASSERT_TRUE(engine.LoadMind(dir.Path("m.mind")));
  engine.SetExplaining(true);

  const ExplanationCase cases[] = {
      {"an exact phrase", W("Привет!"), Source::kExactPhrase, "", W("Привет!"), "", {}, ""},
      {"an index entry sharing two words",
       W("Любишь музыку?"),
       Source::kIndexedSentence,
       W("Любишь музыку?"),
       W("Ты любишь музыку?"),
       W("Ты любишь музыку 1?"),
       {W("любишь"), W("музыку")},
       W("Здравствуй!")},
      {"a paren rule",
       W("Какая сегодня погода."),
       Source::kParenRule,
       W("Какая сегодня погода."),
       W("погода."),
       "",
       {W("погода")},
       W("Очень люблю.")},
      {"a brace rule",
       W("Кто ты?"),
       Source::kBraceRule,
       W("Кто ты?"),
       W("ты?"),
       "",
       {W("ты")},
       W("Погода хорошая.")},
      {"an escape phrase", "x", Source::kEscapePhrase, "", "", "", {}, W("Я бот.")},
      {"an initial phrase", "x", Source::kInitialPhrase, "", "", "", {}, W("Давай о другом.")},
      {"the fallback", "x", Source::kFallback, "", "", "", {}, W("Расскажи о себе.")},
      {"spaces only", "  ", Source::kNone, "", "", "", {}, ""},
  };
  for (const ExplanationCase& c : cases) {
    engine.GetReplyTo(c.text);
    const ReplyExplanation& explanation = engine.LastExplanation();
    EXPECT_EQ(explanation.source, c.source) << c.name;
    EXPECT_EQ(explanation.sentence, c.sentence) << c.name;
    EXPECT_EQ(explanation.key, c.key) << c.name;
    EXPECT_EQ(explanation.index_entry, c.index_entry) << c.name;
    EXPECT_EQ(explanation.words, c.words) << c.name;
    EXPECT_EQ(explanation.learned, !c.learned_key.empty()) << c.name;
    EXPECT_EQ(explanation.learned_key, c.learned_key) << c.name;
  }
}

TEST(ExplanationTest, NothingIsRecordedWhileOff) {
  test::TempDir dir;
  Engine engine(dir.Path("none.INI"));
  engine.GetReplyTo("x");
  EXPECT_EQ(engine.LastExplanation().source, Source::kNone);
}

}  // namespace
}  // namespace chatmind
