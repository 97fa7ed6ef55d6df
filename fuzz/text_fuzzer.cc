// Any bytes as text: the properties that the strategies and the index rely
// on must hold for sentences, words, index entries, numbers and kinds.
//
// Input: eight bytes giving a number (little-endian), then the text.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "text/index_entry.h"
#include "text/lowercase.h"
#include "text/sentence_kind.h"
#include "text/sentences.h"
#include "text/string_list.h"
#include "text/text_list.h"
#include "text/words.h"

namespace chatmind::fuzz {
namespace {

constexpr std::size_t kMaxInputSize = 1 << 12;

bool IsWordByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0xE0 || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '\'';
}

StringList WordsOf(std::string_view text) {
  StringList words;
  AppendWords(text, words);
  return words;
}

void CheckWords(std::string_view text) {
  const StringList words = WordsOf(text);
  WordScanner scanner(text);
  std::size_t scanned = 0;
  for (std::string_view word; scanner.Next(word); ++scanned) {
    Check(scanned < words.size() && word == words[scanned], "the scanner yields AppendWords");
  }
  Check(scanned == words.size(), "the scanner yields every word");
  for (const std::string& word : words) {
    Check(!word.empty() && word != "-" && word != "'", "a word is more than a lone mark");
    for (const char c : word) {
      Check(IsWordByte(c) && LowercaseByte(c) == c, "a word holds lowercase word bytes only");
    }
  }
}

void CheckNumbers(std::uint64_t number) {
  const auto value = static_cast<std::int32_t>(number);
  Check(TextToNumber(NumberToText(value)) == value, "a number reads back from its text");
  const auto position = static_cast<std::size_t>(number);
  const std::string text = NumberToText(static_cast<std::int64_t>(position >> 1));
  Check(PositionWordValue(text) == position >> 1, "a position word reads back");
  Check(!PositionWordValue("0" + text), "a leading zero makes no position word");
}

// Every sentence is a view into the text, in text order from last to
// first, at least two bytes long, not starting with a space, and ending in
// exactly one terminator.
void CheckSentences(std::string_view text, const std::vector<std::string_view>& sentences) {
  const char* previous_start = text.data() + text.size();
  for (std::string_view sentence : sentences) {
    Check(sentence.data() >= text.data() && sentence.data() + sentence.size() <= previous_start,
          "sentences lie in the text, the last one first, without overlap");
    previous_start = sentence.data();
    Check(sentence.size() >= 2 && sentence.front() != ' ', "a sentence is trimmed and not short");
    Check(IsSentenceTerminator(sentence.back()), "a sentence ends in a terminator");
    for (std::size_t i = 0; i + 1 < sentence.size(); ++i) {
      Check(!IsSentenceTerminator(sentence[i]), "a sentence holds one terminator only");
    }
  }
  StringList copies;
  SplitSentences(text, copies);
  Check(copies.size() == sentences.size(), "SplitSentences finds the same sentences");
  for (std::size_t i = 0; i < copies.size(); ++i) {
    Check(copies[i] == sentences[i], "SplitSentences copies the same sentences");
  }
}

// The entry of a sentence is one sentence with the sentence's words and
// then its position as the last word.
void CheckIndexEntry(std::string_view sentence, std::size_t position) {
  const std::string entry = MakeIndexEntry(sentence, position);
  std::vector<std::string_view> entry_sentences;
  AppendSentences(entry, entry_sentences);
  Check(entry_sentences.size() == 1 && entry_sentences[0] == entry,
        "an index entry is one sentence");
  Check(entry.back() == sentence.back(), "an index entry keeps the sentence's terminator");
  StringList expected = WordsOf(sentence);
  expected.push_back(NumberToText(static_cast<std::int64_t>(position)));
  const StringList words = WordsOf(entry);
  Check(words == expected, "an entry's words are the sentence's and then its position");
  Check(PositionWordValue(words.back()) == position, "an entry's last word is its position");
}

void CheckKind(std::string_view sentence, const TextList& question_words) {
  StringList words;
  const SentenceKind kind = ClassifySentence(sentence, question_words, words);
  const int value = static_cast<int>(kind);
  Check(words == WordsOf(sentence), "classifying finds the sentence's words");
  Check((value < 0) == (FindString(kNegationWord, words) >= 0), "negated when it holds «не»");
  const bool question = !sentence.empty() && sentence.back() == '?';
  Check((value == 1 || value == -1) != question, "a question when it ends in '?'");
  bool has_question_word = false;
  for (const std::string& word : words) has_question_word |= FindString(word, question_words) >= 0;
  Check((value == 3 || value == -3) == (question && has_question_word),
        "a question word makes its own kind");
}

}  // namespace
}  // namespace chatmind::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chatmind;
  if (size < 8 || size > fuzz::kMaxInputSize) return 0;
  std::uint64_t number = 0;
  for (int i = 7; i >= 0; --i) number = number << 8 | data[i];
  const std::string_view text(reinterpret_cast<const char*>(data) + 8, size - 8);

  fuzz::CheckNumbers(number);
  TextToNumber(text);
  fuzz::CheckWords(text);
  const StringList words = fuzz::WordsOf(text);
  // The text's first word is a question word, so that every kind occurs.
  TextList question_words;
  if (!words.empty()) question_words.push_back(words.front());
  fuzz::CheckKind(text, question_words);

  std::vector<std::string_view> sentences;
  AppendSentences(text, sentences);
  fuzz::CheckSentences(text, sentences);
  for (std::string_view sentence : sentences) {
    fuzz::CheckIndexEntry(sentence, static_cast<std::size_t>(number >> 1));
    fuzz::CheckKind(sentence, question_words);
  }
  return 0;
}
