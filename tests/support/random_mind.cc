#include "support/random_mind.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <utility>

#include "support/test_support.h"

namespace chatmind::test {
namespace {

std::vector<std::string> Converted(std::initializer_list<std::string_view> utf8) {
  std::vector<std::string> converted;
  for (std::string_view text : utf8) converted.push_back(W(text));
  return converted;
}

// Few enough words that sentences share them. They include «не», which
// negates; 'ё', which splits a word; the lone hyphen, which is no word; and
// digit words, which equal the positions that index entries carry.
const std::vector<std::string>& Vocabulary() {
  static const std::vector<std::string> words = Converted(
      {"не",   "ты",  "я", "а", "как", "что", "любишь", "музыку", "дела", "привет", "нет", "кто-то",
       "ёлка", "всё", "0", "1", "2",   "3",   "12",     "hello",  "it's", "-",      "--"});
  return words;
}

// Word-list elements that equal no word: words are lowercased and never
// hold 'ё', a space or punctuation.
const std::vector<std::string>& UnmatchableListWords() {
  static const std::vector<std::string> words =
      Converted({"Как", "НЕ", "всё", "ещё", "два слова", "кто?"});
  return words;
}

// Key lines that almost have a tag or bracketed form, and so are phrases.
const std::vector<std::string>& Lookalikes() {
  static const std::vector<std::string> lines =
      Converted({" (погода", " (погода) ", "(как дела?)", " {ты?", " [1] ", "<ESCAPE>", " <escape>",
                 " <INITIAL> ", " <IGNORED>\r", " <QUESTION", " (музыку?) .", " <THOUGHT>?"});
  return lines;
}

constexpr std::string_view kSeparators[] = {" ",   " ", " ",    ", ",   "  ",  "\t",
                                            " - ", ";", "\xAB", "\xBB", "\x85"};
constexpr std::string_view kTerminators[] = {".", "?", "!", "?", ".", "", "?!", "...", " ?", "!!"};
// Only spaces are dropped from the start of a user line.
constexpr std::string_view kLeadingBlanks[] = {"  ", " ", " \t", "\t"};
// Bytes a line of text may hold but a mind file line cannot, or that end it.
constexpr char kOddBytes[] = {'\0', '\r', '\n', '\x1a'};

char Upper(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'a' && byte <= 'z') || byte >= 0xE0) return static_cast<char>(byte - 0x20);
  return byte == 0xB8 ? '\xA8' : c;
}

template <typename T, std::size_t N>
const T& PickFrom(RandomMind& random, const T (&items)[N]) {
  return items[random.Below(N)];
}

template <typename T>
const T& PickFrom(RandomMind& random, const std::vector<T>& items) {
  return items[random.Below(items.size())];
}

}  // namespace

// A share of the vocabulary of its own gives each scenario more collisions.
RandomMind::RandomMind(std::uint64_t seed) : random_(seed), words_(Vocabulary()) {
  for (std::size_t i = words_.size() - 1; i > 0; --i) std::swap(words_[i], words_[Below(i + 1)]);
  words_.resize(6 + Below(words_.size() - 5));
}

std::size_t RandomMind::Weighted(std::span<const unsigned> weights) {
  std::size_t left = Below(std::accumulate(weights.begin(), weights.end(), std::size_t{0}));
  std::size_t chosen = 0;
  while (left >= weights[chosen]) left -= weights[chosen++];
  return chosen;
}

std::string RandomMind::Word() {
  std::string word = PickFrom(*this, words_);
  const std::size_t casing = Below(10);
  if (casing == 0) {
    for (char& c : word) c = Upper(c);
  } else if (casing < 3) {
    word.front() = Upper(word.front());
  }
  return word;
}

std::string RandomMind::Sentence() {
  std::string sentence = Percent(10) ? "  " : "";
  const std::size_t words = Below(5);
  for (std::size_t i = 0; i < words; ++i) {
    if (i > 0) sentence += PickFrom(*this, kSeparators);
    sentence += Word();
  }
  return sentence += PickFrom(*this, kTerminators);
}

std::string RandomMind::Text() {
  std::string text = Sentence();
  for (std::size_t more = Below(3); more > 0; --more) {
    if (Percent(70)) text += ' ';
    text += Sentence();
  }
  return text;
}

std::string RandomMind::ListWord() {
  return Percent(75) ? PickFrom(*this, words_) : PickFrom(*this, UnmatchableListWords());
}

std::string RandomMind::Reply() {
  if (!replies_.empty() && Percent(40)) return PickFrom(*this, replies_);
  std::string reply;
  if (!keys_.empty() && Percent(10)) {
    reply = PickFrom(*this, keys_);
  } else if (Percent(5)) {
    reply = PickFrom(*this, Lookalikes());
  } else if (Percent(5)) {
    reply = " (" + Sentence() + ")";
  } else {
    reply = Text();
  }
  if (reply.empty()) reply = "...";
  replies_.push_back(reply);
  return reply;
}

std::string RandomMind::BracketedKey(char opener, char closer) {
  if (opener == '|' && Percent(5)) return " |";
  std::string inner;
  if (Percent(85)) inner = Percent(70) ? Sentence() : Text();
  if (Percent(10)) inner = ' ' + inner + ' ';
  return std::string{' ', opener} + inner + closer;
}

std::string RandomMind::KeyLine(RecordKind kind) {
  switch (kind) {
    case RecordKind::kPhrase:
      if (!keys_.empty() && Percent(20)) return PickFrom(*this, keys_);
      keys_.push_back((Percent(10) ? "  " : "") + Text());
      if (keys_.back().empty()) keys_.back() = "!";
      return keys_.back();
    case RecordKind::kParen:
      return BracketedKey('(', ')');
    case RecordKind::kBrace:
      return BracketedKey('{', '}');
    case RecordKind::kBar:
      return BracketedKey('|', '|');
    case RecordKind::kBracket:
      return BracketedKey('[', ']');
    case RecordKind::kQuestion:
      return " <QUESTION>";
    case RecordKind::kIgnored:
      return " <IGNORED>";
    case RecordKind::kEscape:
      return " <ESCAPE>";
    case RecordKind::kInitial:
      return " <INITIAL>";
    case RecordKind::kThought:
      return " <THOUGHT>";
    case RecordKind::kLookalike:
      keys_.push_back(PickFrom(*this, Lookalikes()));
      return keys_.back();
  }
  return {};
}

std::string RandomMind::Join(const std::vector<std::string>& lines, unsigned quirk_percent) {
  const std::size_t line_ends = Below(3);  // CR LF, LF, or a mix
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    if (Percent(quirk_percent / 4))
      line.insert(Below(line.size() + 1), 1, Percent(50) ? '\0' : '\r');
    bytes += line;
    if (i + 1 == lines.size() && Percent(30)) break;
    bytes += line_ends == 1 || (line_ends == 2 && Percent(50)) ? "\n" : "\r\n";
  }
  if (Percent(quirk_percent)) bytes.insert(bytes.size() / 2 + Below(bytes.size() / 2 + 1), "\x1a");
  return bytes;
}

std::string RandomMind::MindFile(const MindShape& shape) {
  std::vector<std::string> lines;
  const std::size_t records = shape.min_records + Below(shape.max_records - shape.min_records + 1);
  for (std::size_t i = 0; i < records; ++i) {
    const auto kind = static_cast<RecordKind>(Weighted(shape.record_weights));
    std::string key = KeyLine(kind);
    std::string value =
        kind == RecordKind::kQuestion || kind == RecordKind::kIgnored ? ListWord() : Reply();
    if (Percent(shape.quirk_percent)) (Percent(50) ? key : value).clear();
    lines.push_back(std::move(key));
    lines.push_back(std::move(value));
  }
  if (Percent(shape.quirk_percent)) lines.push_back(Text());
  return Join(lines, shape.quirk_percent);
}

std::string RandomMind::UserLine(std::span<const std::string> heard) {
  const std::size_t source = Below(100);
  std::string line;
  if (source < 10) {
    line = last_line_;
  } else if (source < 28 && !keys_.empty()) {
    line = PickFrom(*this, keys_);
  } else if (source < 40 && !heard.empty()) {
    line = heard[heard.size() - 1 - Below(std::min<std::size_t>(heard.size(), 8))];
  } else if (source < 45 && !replies_.empty()) {
    line = PickFrom(*this, replies_);
  } else if (source < 48) {
    line.assign(1 + Below(3), ' ');
  } else if (source >= 50) {
    line = Text();
  }
  if (Percent(15)) line.insert(0, PickFrom(*this, kLeadingBlanks));
  if (Percent(5)) line.insert(Below(line.size() + 1), 1, PickFrom(*this, kOddBytes));
  return last_line_ = line;
}

}  // namespace chatmind::test
