#include "mind/mind_reader.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::MindFile;
using test::TempDir;
using test::W;
using test::WriteBytes;

Mind Loaded(std::string_view content) {
  Mind mind;
  AppendMindContent(mind, std::string(content));
  return mind;
}

// Every list a load fills, for comparing whole minds.
std::vector<StringList> LoadedLists(const Mind& mind) {
  std::vector<StringList> lists;
  for (TextList Mind::*list : kFileBackedLists) {
    lists.emplace_back((mind.*list).begin(), (mind.*list).end());
  }
  lists.push_back(test::EntryTexts(mind));
  return lists;
}

const std::string kNineteenLines =
    MindFile({"Привет!", "Здравствуй!", "Как дела? Что нового?", "Всё хорошо.", " (погода)",
              "Погода сегодня хорошая.", " {как}", "Не знаю как.", " <QUESTION>", "как",
              " <THOUGHT>", "Это забудется.", "", "Пока!", " <ESCAPE>", "Давай о другом.",
              " <INITIAL>", "Расскажи о себе.", "Кто ты?"});

TEST(MindReaderTest, WorkedExampleOfNineteenLines) {
  const Mind mind = Loaded(kNineteenLines);
  EXPECT_EQ(mind.PhraseKeys, (TextList{W("Привет!"), W("Как дела? Что нового?")}));
  EXPECT_EQ(mind.PhraseReplies, (TextList{W("Здравствуй!"), W("Всё хорошо.")}));
  EXPECT_EQ(test::EntryTexts(mind),
            (StringList{W("Привет 0!"), W("Что нового 1?"), W("Как дела 1?")}));
  EXPECT_EQ(mind.ParenKeys, TextList{W("погода")});
  EXPECT_EQ(mind.ParenReplies, TextList{W("Погода сегодня хорошая.")});
  EXPECT_EQ(mind.BraceKeys, TextList{W("как")});
  EXPECT_EQ(mind.BraceReplies, TextList{W("Не знаю как.")});
  EXPECT_EQ(mind.QuestionWords, TextList{W("как")});
  EXPECT_EQ(mind.EscapePhrases, TextList{W("Давай о другом.")});
  EXPECT_EQ(mind.InitialPhrases, TextList{W("Расскажи о себе.")});
  for (const TextList* empty : {&mind.BarKeys, &mind.BarReplies, &mind.BracketKeys,
                                &mind.BracketReplies, &mind.IgnoredWords}) {
    EXPECT_TRUE(empty->empty());
  }
}

TEST(MindReaderTest, TagLinesOnDiskAreExactBytes) {
  const std::string bytes(
      "\x20\x3C\x51\x55\x45\x53\x54\x49\x4F\x4E\x3E\x0D\x0A\xEA\xE0\xEA\x0D\x0A");
  EXPECT_EQ(MindFile({" <QUESTION>", "как"}), bytes);
  EXPECT_EQ(Loaded(bytes).QuestionWords, TextList{W("как")});
}

TEST(MindReaderTest, LineEndsDoNotChangeWhatIsRead) {
  const std::string crlf = "k1.\r\nv1\r\n <ESCAPE>\r\ne\r\n";
  const auto expected = LoadedLists(Loaded(crlf));
  EXPECT_EQ(LoadedLists(Loaded("k1.\nv1\n <ESCAPE>\ne\n")), expected);
  EXPECT_EQ(LoadedLists(Loaded("k1.\r\nv1\r\n <ESCAPE>\r\ne")), expected);
  EXPECT_EQ(LoadedLists(Loaded("k1.\nv1\r\n <ESCAPE>\ne\r\n")), expected);
}

struct LineCase {
  const char* name;
  std::string content;
  TextList keys;
  TextList replies;
};

TEST(MindReaderTest, LinesAndRecordPairing) {
  const LineCase cases[] = {
      {"empty file", "", {}, {}},
      {"one line", "k.\r\n", {}, {}},
      {"unpaired last line", "k.\r\nv\r\nlast", {"k."}, {"v"}},
      {"CR CR LF is a line of one CR", "\r\r\nv\r\n", {"\r"}, {"v"}},
      {"a lone CR is an ordinary byte", "a\rb\nv\n", {"a\rb"}, {"v"}},
      {"a final CR without LF stays", "k\nv\r", {"k"}, {"v\r"}},
      {"0x1A ends the content",
       "k\nv\n\x1a"
       "a\nb\n",
       {"k"},
       {"v"}},
      {"0x1A inside a line", "k\nv\x1a\na\nb\n", {"k"}, {"v"}},
      {"an empty key skips two lines", "\nk\nv\nw\n", {"v"}, {"w"}},
      {"an empty value skips two lines", "k\n\nv\nw\n", {"v"}, {"w"}},
      {"a line end at the start", "\r\nk\r\nv\r\nw\r\n", {"v"}, {"w"}},
      {"a NUL ends the line's text", std::string("k\0x\nv\0y\r\n", 9), {"k"}, {"v"}},
      {"a line of only a NUL is empty", std::string("\0\nv\nk\nw\n", 8), {"k"}, {"w"}},
      {"a thought uses two lines", " <THOUGHT>\nt\nk\nv\n", {"k"}, {"v"}},
      {"tags are exact: lower case", " <initial>\nv\n", {" <initial>"}, {"v"}},
      {"tags are exact: no space", "<INITIAL>\nv\n", {"<INITIAL>"}, {"v"}},
      {"tags are exact: trailing space", " <INITIAL> \nv\n", {" <INITIAL> "}, {"v"}},
      {"an opener without its closer", " (a\nv\n", {" (a"}, {"v"}},
      {"a closer then a space", " (a) \nv\n", {" (a) "}, {"v"}},
      {"no space before the opener", "(a)\nv\n", {"(a)"}, {"v"}},
      {"a value is stored as read", "k\n (a)\n", {"k"}, {" (a)"}},
  };
  for (const LineCase& c : cases) {
    const Mind mind = Loaded(c.content);
    EXPECT_EQ(mind.PhraseKeys, c.keys) << c.name;
    EXPECT_EQ(mind.PhraseReplies, c.replies) << c.name;
  }
}

struct BracketCase {
  const char* name;
  std::string key_line;
  TextList Mind::*keys;
  std::string inner_key;
};

TEST(MindReaderTest, BracketedForms) {
  const BracketCase cases[] = {
      {"paren", " (a b?)", &Mind::ParenKeys, "a b?"},
      {"closers inside", " (a)b)", &Mind::ParenKeys, "a)b"},
      {"inner spaces stay", W(" ( погода )"), &Mind::ParenKeys, W(" погода ")},
      {"empty paren", " ()", &Mind::ParenKeys, ""},
      {"bar", " |x|", &Mind::BarKeys, "x"},
      {"empty bar", " ||", &Mind::BarKeys, ""},
      {"two-byte bar", " |", &Mind::BarKeys, ""},
      {"brace", " {x.}", &Mind::BraceKeys, "x."},
      {"empty brace", " {}", &Mind::BraceKeys, ""},
      {"bracket", " [x]", &Mind::BracketKeys, "x"},
      {"empty bracket", " []", &Mind::BracketKeys, ""},
  };
  for (const BracketCase& c : cases) {
    const Mind mind = Loaded(c.key_line + "\r\nreply\r\n");
    EXPECT_EQ(mind.*c.keys, TextList{c.inner_key}) << c.name;
    EXPECT_TRUE(mind.PhraseKeys.empty()) << c.name;
  }
  const Mind paren = Loaded(" ()\nr\n");
  EXPECT_EQ(paren.ParenReplies, TextList{"r"});
}

TEST(MindReaderTest, KeyWithoutTerminatorGetsNoIndexEntry) {
  const Mind mind = Loaded(MindFile({" (погода", "r", "Привет", "r"}));
  EXPECT_EQ(mind.PhraseKeys, (TextList{W(" (погода"), W("Привет")}));
  EXPECT_TRUE(mind.SentenceIndex.empty());
}

TEST(MindReaderTest, PositionsContinueAfterWhatTheMindHolds) {
  Mind mind;
  AppendMindContent(mind, "a.\nx\nb.\nx\nc.\nx\n");
  AppendMindContent(mind, MindFile({"Привет. Как дела?", "x", "Ок.", "y"}));
  EXPECT_EQ(test::EntryTexts(mind),
            (StringList{"a 0.", "b 1.", "c 2.", W("Как дела 3?"), W("Привет 3."), W("Ок 4.")}));
}

TEST(LoadMindFileTest, ReadsFilesAndAppendsOnEveryLoad) {
  TempDir dir;
  const std::string path = dir.Path("hello.mind");
  WriteBytes(path, "a.\r\nx\r\n <ESCAPE>\r\ne\r\n");
  Mind mind;
  ASSERT_TRUE(LoadMindFile(mind, path));
  ASSERT_TRUE(LoadMindFile(mind, path));
  EXPECT_EQ(mind.PhraseKeys, (TextList{"a.", "a."}));
  EXPECT_EQ(mind.EscapePhrases, (TextList{"e", "e"}));
  EXPECT_EQ(test::EntryTexts(mind), (StringList{"a 0.", "a 1."}));
}

TEST(LoadMindFileTest, FailuresLeaveTheMindUnchanged) {
  TempDir dir;
  Mind mind;
  AppendMindContent(mind, "a.\nx\n");
  const auto before = LoadedLists(mind);
  EXPECT_FALSE(LoadMindFile(mind, "")) << "empty path";
  EXPECT_FALSE(LoadMindFile(mind, dir.Path("missing.mind")));
  EXPECT_FALSE(LoadMindFile(mind, dir.Path(""))) << "a directory";
  EXPECT_EQ(LoadedLists(mind), before);
}

}  // namespace
}  // namespace chatmind
