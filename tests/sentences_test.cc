#include "text/sentences.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::W;

struct SplitCase {
  const char* name;
  std::string text;
  StringList sentences;  // last sentence first
};

TEST(SplitSentencesTest, Table) {
  const SplitCase cases[] = {
      {"two sentences, last first", W("Привет. Как дела?"), {W("Как дела?"), W("Привет.")}},
      {"leading spaces go", W("   Да!"), {W("Да!")}},
      {"spaces before the terminator stay", W("Да !"), {W("Да !")}},
      {"a tab is no space", "\t" + W("Да."), {"\t" + W("Да.")}},
      {"an ellipsis ends one sentence", W("Ну... ладно!"), {W("ладно!"), W("Ну.")}},
      {"a run of terminators", W("Что?!"), {W("Что?")}},
      {"no terminator", W("Привет"), {}},
      {"text after the last terminator is dropped", W("Привет. Как дела"), {W("Привет.")}},
      {"empty text", "", {}},
      {"a lone terminator after spaces", " . ", {}},
      {"the ellipsis byte is no terminator", W("Ну… да."), {W("Ну… да.")}},
      {"line feeds stay inside a sentence", "a\nb. c", {"a\nb."}},
      {"a terminator first", ".a.", {"a."}},
      {"terminators only", "?!.!", {}},
      {"the shortest sentence is the whole text", "a!", {"a!"}},
  };
  for (const SplitCase& c : cases) {
    StringList sentences;
    EXPECT_EQ(SplitSentences(c.text, sentences), c.sentences.size()) << c.name;
    EXPECT_EQ(sentences, c.sentences) << c.name;
  }
}

TEST(SplitSentencesTest, InsertsBeforeWhatTheListHolds) {
  StringList sentences = {"old."};
  EXPECT_EQ(SplitSentences("a. b!", sentences), 3u);
  EXPECT_EQ(sentences, (StringList{"b!", "a.", "old."}));
}

}  // namespace
}  // namespace chatmind
