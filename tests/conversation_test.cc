// Whole conversations through chatmind::Engine over a mind that holds every
// record kind, with the reply expected at each line.

#include <gtest/gtest.h>

#include "chatmind/engine.hpp"
#include "support/test_support.h"

namespace chatmind {
namespace {

using test::MindFile;
using test::TempDir;
using test::W;

struct Exchange {
  const char* said;   // UTF-8
  const char* reply;  // UTF-8
};

class ConversationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(mind_, MindFile({
                                "Привет!",
                                "Здравствуй! Как тебя зовут?",
                                "Как твои дела? Что нового?",
                                "Всё хорошо, спасибо.",
                                "Ты любишь музыку?",
                                "Очень люблю.",
                                " (любишь кино?)",
                                "Люблю комедии.",
                                " (погода)",
                                "Погода сегодня хорошая.",
                                " {я сам.}",
                                "Расскажи о себе.",
                                " {ты?}",
                                "Я просто программа.",
                                " <QUESTION>",
                                "как",
                                " <QUESTION>",
                                "что",
                                " <IGNORED>",
                                "я",
                                " <IGNORED>",
                                "ты",
                                " <ESCAPE>",
                                "Давай о другом.",
                                " <INITIAL>",
                                "Расскажи что-нибудь.",
                                " |бар|",
                                "Хранится.",
                                " [скобки]",
                                "Тоже хранится.",
                                " <THOUGHT>",
                                "Забудется.",
                            }));
    ASSERT_TRUE(engine_.LoadMind(mind_));
  }

  void Talk(std::initializer_list<Exchange> conversation) {
    for (const Exchange& line : conversation) {
      EXPECT_EQ(std::string(engine_.GetReplyTo(W(line.said))), W(line.reply)) << line.said;
    }
  }

  TempDir dir_;
  const std::string mind_ = dir_.Path("bot.mind");
  Engine engine_{dir_.Path("bot.INI")};
};

TEST_F(ConversationTest, EveryStrategyInItsTurnAndTheHistoryCycle) {
  Talk({
      {"Привет!", "Здравствуй! Как тебя зовут?"},      // exact phrase
      {"Меня зовут Аня.", "Погода сегодня хорошая."},  // the key «погода» has no word
      {"Как дела у тебя?", "Всё хорошо, спасибо."},    // index: «как», «дела»
      {"А ты любишь кино?", "Люблю комедии."},  // paren: one shared word is too few for the index
      {"Ты кто?", "Я просто программа."},       // brace: the ignored word «ты»
      {"Ну и ладно.", "Давай о другом."},       // «погода» was given
      {"Хм.", "Расскажи что-нибудь."},
      {"Хм.", "Не понял."},                // everything given: fallback, history emptied
      {"Хм.", "Погода сегодня хорошая."},  // given again
      {"Не понял.", "Хм."},                // learned from the user's answer to the fallback
  });
}

TEST_F(ConversationTest, LearnedPairsReachTheIndexOnlyAfterSaveAndLoad) {
  Talk({
      {"Привет!", "Здравствуй! Как тебя зовут?"},
      {"Меня зовут Аня?", "Давай о другом."},
      {"Как зовут тебя?", "Расскажи что-нибудь."},  // no entry for the learned key yet
  });
  ASSERT_TRUE(engine_.SaveMind(mind_));
  ASSERT_TRUE(engine_.LoadMind(mind_));
  Talk({{"Как зовут тебя?", "Меня зовут Аня?"}});
}

// A save reorders the phrase pairs, whether or not the file is written; every
// index entry must still answer with its own pair's reply.
TEST_F(ConversationTest, IndexEntriesKeepTheirPairsAcrossSaves) {
  const std::initializer_list<Exchange> one_per_pair = {
      {"Привет, привет!", "Здравствуй! Как тебя зовут?"},
      {"Что нового у тебя?", "Всё хорошо, спасибо."},
      {"Любишь музыку, ты?", "Очень люблю."},
      {"Хм.", "Погода сегодня хорошая."},
      {"Хм.", "Давай о другом."},
      {"Хм.", "Расскажи что-нибудь."},
      {"Хм.", "Не понял."},
  };
  ASSERT_FALSE(engine_.SaveMind(dir_.Path("missing/bot.mind")));
  Talk(one_per_pair);

  ASSERT_TRUE(engine_.SaveMind(mind_));
  ASSERT_TRUE(engine_.LoadMind(mind_));
  Talk(one_per_pair);
}

}  // namespace
}  // namespace chatmind
