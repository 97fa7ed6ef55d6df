#include "chatmind/engine.hpp"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::MindFile;
using test::ReadBytes;
using test::TempDir;
using test::W;
using test::WriteBytes;

class EngineTest : public ::testing::Test {
 protected:
  std::string Reply(std::string_view text) { return std::string(engine_.GetReplyTo(text)); }
  std::string Settings() const { return dir_.Path("chatmind.INI"); }

  TempDir dir_;
  Engine engine_{Settings()};
};

TEST_F(EngineTest, FallbackComesFromTheSettingsFileAtEveryFallback) {
  EXPECT_EQ(Reply("a"), W("Не понял.")) << "no settings file";
  WriteBytes(Settings(), W("[Search]\r\nNotClear=Повторите.\r\n"));
  EXPECT_EQ(Reply("b"), W("Повторите.")) << "read again without reloading";
  WriteBytes(Settings(), "[Search]\r\nNotClear=\r\n");
  EXPECT_EQ(Reply("c"), W("Не понял.")) << "an empty value gives the default";
  WriteBytes(Settings(), W("[Other]\r\nNotClear=Повторите.\r\n"));
  EXPECT_EQ(Reply("d"), W("Не понял.")) << "another section";
}

TEST_F(EngineTest, ReplyIsNulTerminatedAndTextEndsAtNul) {
  WriteBytes(dir_.Path("m.mind"), "Hi!\r\nHello.\r\n");
  ASSERT_TRUE(engine_.LoadMind(dir_.Path("m.mind")));
  const std::string_view reply = engine_.GetReplyTo(std::string_view("Hi!\0junk", 8));
  EXPECT_EQ(reply, "Hello.");
  EXPECT_EQ(reply.data()[reply.size()], '\0');
  EXPECT_EQ(engine_.GetReplyTo("   "), "");
}

TEST_F(EngineTest, ConversationOverALoadedMind) {
  const std::string mind = dir_.Path("m.mind");
  WriteBytes(mind, MindFile({"Привет!", "Здравствуй!", "Как дела? Что нового?", "Всё хорошо.",
                             " <ESCAPE>", "Давай о другом.", " <INITIAL>", "Расскажи о себе."}));
  ASSERT_TRUE(engine_.LoadMind(mind));
  const struct {
    const char* said;
    const char* reply;
  } conversation[] = {
      {"Привет!", "Здравствуй!"},
      {"Как дела? Что нового?", "Всё хорошо."},
      {"Привет!", "Давай о другом."},  // "Здравствуй!" was given: the escape phrase
      {"Ну", "Расскажи о себе."},
      {"Ну", "Не понял."},  // everything given: fallback, history emptied
      {"Привет!", "Здравствуй!"},
      {"Здравствуй!", "Как дела? Что нового?"},  // what the user answered to it
  };
  for (const auto& line : conversation) EXPECT_EQ(Reply(W(line.said)), W(line.reply)) << line.said;
}

TEST_F(EngineTest, SaveWritesLearnedPairsAndUnloads) {
  const std::string mind = dir_.Path("m.mind");
  WriteBytes(mind, MindFile({" <ESCAPE>", "Давай о другом."}));
  ASSERT_TRUE(engine_.LoadMind(mind));
  Reply(W("Привет"));
  Reply(W("О чём?"));
  ASSERT_TRUE(engine_.SaveMind(mind));
  EXPECT_EQ(ReadBytes(mind),
            MindFile({"Давай о другом.", "О чём?", " <ESCAPE>", "Давай о другом."}));

  EXPECT_EQ(Reply("x"), W("Не понял.")) << "the knowledge is unloaded";
  Reply("y");
  ASSERT_TRUE(engine_.SaveMind(mind)) << "a second save writes only what was learned since";
  EXPECT_EQ(ReadBytes(mind), MindFile({"Не понял.", "y?", "Не понял.", "x?"}));
}

TEST_F(EngineTest, FailedCallsChangeNothing) {
  EXPECT_FALSE(engine_.LoadMind(""));
  EXPECT_FALSE(engine_.LoadMind(dir_.Path("missing.mind")));
  EXPECT_FALSE(engine_.SaveMind(""));
  EXPECT_FALSE(engine_.SaveMind(dir_.Path("missing/m.mind")));
  EXPECT_EQ(Reply("x"), W("Не понял."));
}

TEST_F(EngineTest, EnginesAreIndependent) {
  WriteBytes(dir_.Path("m.mind"), "Hi!\r\nHello.\r\n");
  Engine other(Settings());
  ASSERT_TRUE(other.LoadMind(dir_.Path("m.mind")));
  EXPECT_EQ(other.GetReplyTo("Hi!"), "Hello.");
  EXPECT_EQ(Reply("Hi!"), W("Не понял."));
}

}  // namespace
}  // namespace chatmind
