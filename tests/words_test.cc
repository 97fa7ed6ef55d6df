#include "text/words.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::W;

TEST(AppendWordsTest, Table) {
  const struct {
    const char* name;
    std::string text;
    StringList words;
  } cases[] = {
      {"capitals are lowered", W("Я НЕ знаю."), {W("я"), W("не"), W("знаю")}},
      {"Latin capitals too", "Hello, WORLD!", {"hello", "world"}},
      {"ё separates words", W("Ещё раз?"), {W("ещ"), W("раз")}},
      {"Ё is lowered to ё and separates", W("Ёлка."), {W("лка")}},
      {"inner hyphens stay, a lone one is no word", W("Кто-то - там."), {W("кто-то"), W("там")}},
      {"two hyphens are a word", "--.", {"--"}},
      {"a hyphen before a digit is kept", "-5.", {"-5"}},
      {"a lone apostrophe is no word", "' '' x'.", {"''", "x'"}},
      {"punctuation without spaces separates", W("да,да;да."), {W("да"), W("да"), W("да")}},
      {"digits are word bytes", W("12 апреля?"), {"12", W("апреля")}},
      {"the last word needs a separator after it", W("привет как"), {W("привет")}},
      {"one word without separator", W("привет"), {}},
      {"empty text", "", {}},
      {"no-break space, dash and quotes separate",
       "a\xA0"
       "b\x96"
       "c\xAB"
       "d\xBB.",
       {"a", "b", "c", "d"}},
      {"further Cyrillic capitals stay separators",
       "a\x8A"
       "b\xB2"
       "c.",
       {"a", "b", "c"}},
      {"tabs and control bytes separate",
       "a\tb\x01"
       "c\x7F"
       "d.",
       {"a", "b", "c", "d"}},
      {"repeated words are kept", "no no.", {"no", "no"}},
  };
  for (const auto& c : cases) {
    StringList words;
    AppendWords(c.text, words);
    EXPECT_EQ(words, c.words) << c.name;
  }
}

TEST(AppendWordsTest, AppendsToWhatTheListHolds) {
  StringList words = {"old"};
  AppendWords("new words.", words);
  EXPECT_EQ(words, (StringList{"old", "new", "words"}));
}

}  // namespace
}  // namespace chatmind
