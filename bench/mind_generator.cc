#include "mind_generator.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace chatmind::bench {
namespace {

constexpr std::size_t kKeptKeys = 4096;
constexpr std::size_t kFlushBytes = 1 << 20;

// Buffers the mind file, so that writing stays a small part of generating.
class RecordWriter {
 public:
  explicit RecordWriter(const std::string& path)
      : path_(path), file_(std::fopen(path.c_str(), "wb")) {
    if (!file_) throw std::runtime_error("cannot create " + path);
    buffer_.reserve(2 * kFlushBytes);
  }

  // The line being built; EndLine() closes it.
  std::string& Out() { return buffer_; }

  void EndLine() {
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushBytes) Flush();
  }

  void Line(std::string_view text) {
    buffer_ += text;
    EndLine();
  }

  std::uint64_t Finish() {
    Flush();
    if (std::fclose(file_.release()) != 0) throw std::runtime_error("cannot write " + path_);
    return written_;
  }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  void Flush() {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_.get()) != buffer_.size()) {
      throw std::runtime_error("cannot write " + path_);
    }
    written_ += buffer_.size();
    buffer_.clear();
  }

  std::string path_;
  std::unique_ptr<std::FILE, Closer> file_;
  std::string buffer_;
  std::uint64_t written_ = 0;
};

std::size_t Share(std::size_t pairs, std::size_t per_thousand) {
  return std::max<std::size_t>(1, (pairs * per_thousand + 500) / 1000);
}

template <typename T>
void Shuffle(std::vector<T>& items, Random& random) {
  for (std::size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[random.Below(i)]);
}

bool Contains(const std::vector<WordId>& words, WordId word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace

MindShape ShapeFor(std::size_t phrase_pairs) {
  MindShape shape;
  shape.phrase_pairs = phrase_pairs;
  shape.paren_rules = Share(phrase_pairs, 20);
  shape.brace_rules = Share(phrase_pairs, 20);
  shape.bar_records = Share(phrase_pairs, 5);
  shape.bracket_records = Share(phrase_pairs, 5);
  shape.thoughts = Share(phrase_pairs, 1);
  return shape;
}

std::string_view LineKindName(LineKind kind) {
  constexpr std::string_view kNames[kLineKinds] = {"exact phrase", "indexed sentence", "paren rule",
                                                   "brace rule", "miss"};
  return kNames[static_cast<std::size_t>(kind)];
}

MindGenerator::MindGenerator(std::uint64_t seed) : random_(seed), vocabulary_(random_) {}

std::uint64_t MindGenerator::WriteMind(const MindShape& shape, const std::string& path) {
  kept_keys_.clear();
  indexable_sentences_.clear();
  paren_keys_.clear();
  brace_keys_.clear();
  RecordWriter out(path);

  const std::size_t stride = std::max<std::size_t>(1, shape.phrase_pairs / kKeptKeys);
  std::vector<WordSentence> key;
  for (std::size_t pair = 0; pair < shape.phrase_pairs; ++pair) {
    // Most keys are one sentence, some two or three.
    const std::size_t roll = random_.Below(10);
    key.resize(roll < 6 ? 1 : roll < 9 ? 2 : 3);
    const std::size_t start = out.Out().size();
    for (std::size_t i = 0; i < key.size(); ++i) {
      if (i > 0) out.Out() += ' ';
      DrawSentence(key[i]);
      AppendSentence(key[i], out.Out());
    }
    if (pair % stride == 0 && kept_keys_.size() < kKeptKeys) Keep(key, out.Out().substr(start));
    out.EndLine();
    AppendProse(2, out.Out());
    out.EndLine();
  }

  const auto tagged = [&out](std::size_t count, std::string_view tag, auto&& append_value) {
    for (std::size_t i = 0; i < count; ++i) {
      out.Line(tag);
      append_value(out.Out());
      out.EndLine();
    }
  };
  const auto bracketed = [&out, this](std::size_t count, std::string_view open, char close,
                                      auto&& append_key) {
    for (std::size_t i = 0; i < count; ++i) {
      out.Out() += open;
      append_key(out.Out());
      out.Out() += close;
      out.EndLine();
      AppendProse(2, out.Out());
      out.EndLine();
    }
  };
  const auto prose = [this](std::string& text) { AppendProse(1, text); };
  const auto sentence = [this](std::string& text) {
    WordSentence drawn;
    DrawSentence(drawn);
    AppendSentence(drawn, text);
  };
  const auto new_rule = [this](std::vector<RuleKey>& keys, RuleKey (MindGenerator::*draw)()) {
    return [this, &keys, draw](std::string& text) {
      keys.push_back((this->*draw)());
      AppendRuleKey(keys.back(), text);
    };
  };
  const auto word_list = [&tagged, this](std::string_view tag, auto ids) {
    for (WordId id : ids) {
      tagged(1, tag, [&](std::string& text) { text += vocabulary_.Word(id); });
    }
  };

  tagged(shape.thoughts, " <THOUGHT>", prose);
  bracketed(shape.paren_rules, " (", ')', new_rule(paren_keys_, &MindGenerator::DrawParenKey));
  bracketed(shape.bar_records, " |", '|', sentence);
  bracketed(shape.brace_rules, " {", '}', new_rule(brace_keys_, &MindGenerator::DrawBraceKey));
  bracketed(shape.bracket_records, " [", ']', sentence);
  word_list(" <QUESTION>", vocabulary_.QuestionWords());
  std::vector<WordId> ignored(Vocabulary::kIgnoredWords);
  for (std::size_t i = 0; i < ignored.size(); ++i) ignored[i] = static_cast<WordId>(i);
  word_list(" <IGNORED>", ignored);
  tagged(shape.escape_phrases, " <ESCAPE>", prose);
  tagged(shape.initial_phrases, " <INITIAL>", prose);
  return out.Finish();
}

void MindGenerator::Keep(const std::vector<WordSentence>& key, std::string text) {
  kept_keys_.push_back(std::move(text));
  for (const WordSentence& sentence : key) {
    const auto significant =
        std::count_if(sentence.words.begin(), sentence.words.end(),
                      [this](WordId word) { return !vocabulary_.IsIgnored(word); });
    if (significant >= 2) indexable_sentences_.push_back(sentence);
  }
}

void MindGenerator::DrawSentence(WordSentence& sentence) {
  // 3 to 12 words, 6 or 7 on average.
  sentence.words.resize(3 + std::min(random_.Below(6), random_.Below(6)) + random_.Below(5));
  for (WordId& word : sentence.words) word = vocabulary_.Sample(random_);
  sentence.terminator = DrawTerminator();
}

char MindGenerator::DrawTerminator() {
  const std::size_t roll = random_.Below(20);
  return roll < 11 ? '.' : roll < 17 ? '?' : '!';
}

void MindGenerator::AppendSentence(const WordSentence& sentence, std::string& out) {
  for (std::size_t i = 0; i < sentence.words.size(); ++i) {
    if (i > 0) out += random_.Percent(10) ? ", " : " ";
    const std::size_t start = out.size();
    out += vocabulary_.Word(sentence.words[i]);
    if (i == 0) out[start] = Capital(out[start]);
  }
  out += sentence.terminator;
}

void MindGenerator::AppendProse(std::size_t max_sentences, std::string& out) {
  WordSentence sentence;
  const std::size_t count = random_.Between(1, max_sentences);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) out += ' ';
    DrawSentence(sentence);
    AppendSentence(sentence, out);
  }
}

MindGenerator::RuleKey MindGenerator::DrawParenKey() {
  // Topic words, now and then with a question word; a few keys lack the
  // terminator, as hand-written ones do, and so lose their last word.
  RuleKey key;
  key.words.resize(random_.Between(1, 3));
  for (WordId& word : key.words) word = vocabulary_.SampleSignificant(random_);
  key.terminator = DrawTerminator();
  if (key.terminator == '?' && random_.Percent(50)) {
    const auto questions = vocabulary_.QuestionWords();
    key.words.insert(key.words.begin(), questions[random_.Below(questions.size())]);
  }
  if (key.words.size() >= 2 && random_.Percent(5)) key.terminator = '\0';
  return key;
}

MindGenerator::RuleKey MindGenerator::DrawBraceKey() {
  // An ignored word, the most frequent first, and perhaps some others.
  RuleKey key;
  WordId ignored;
  do {
    ignored = vocabulary_.Sample(random_);
  } while (!vocabulary_.IsIgnored(ignored));
  key.words.push_back(ignored);
  for (std::size_t extra = random_.Below(3); extra > 0; --extra) {
    key.words.push_back(vocabulary_.Sample(random_));
  }
  key.terminator = DrawTerminator();
  return key;
}

void MindGenerator::AppendRuleKey(const RuleKey& key, std::string& out) const {
  for (std::size_t i = 0; i < key.words.size(); ++i) {
    if (i > 0) out += ' ';
    out += vocabulary_.Word(key.words[i]);
  }
  if (key.terminator) out += key.terminator;
}

std::vector<BenchLine> MindGenerator::MakeLines(std::size_t count, const LineMix& mix) {
  if (kept_keys_.empty() || indexable_sentences_.empty()) {
    throw std::logic_error("MakeLines needs a written mind with enough phrase pairs");
  }
  std::vector<BenchLine> lines;
  lines.reserve(count);
  std::array<std::size_t, kLineKinds> made{};
  for (std::size_t i = 0; i < count; ++i) {
    // The kind furthest behind its share comes next.
    std::size_t next = 0;
    double behind = -1e300;
    for (std::size_t kind = 0; kind < kLineKinds; ++kind) {
      const double lag = mix[kind] * static_cast<double>(i + 1) - static_cast<double>(made[kind]);
      if (lag > behind) behind = lag, next = kind;
    }
    ++made[next];
    // In the order of LineKind.
    static constexpr std::string (MindGenerator::*kMakers[kLineKinds])() = {
        &MindGenerator::ExactPhraseLine, &MindGenerator::IndexedSentenceLine,
        &MindGenerator::ParenRuleLine, &MindGenerator::BraceRuleLine, &MindGenerator::MissLine};
    lines.push_back({static_cast<LineKind>(next), (this->*kMakers[next])()});
  }
  return lines;
}

std::string MindGenerator::ExactPhraseLine() {
  return kept_keys_[random_.Below(kept_keys_.size())];
}

// Two significant words of a phrase key's sentence, in a sentence of the
// same kind whose other words are ignored ones.
std::string MindGenerator::IndexedSentenceLine() {
  const WordSentence& source = indexable_sentences_[random_.Below(indexable_sentences_.size())];
  std::vector<std::size_t> significant;
  for (std::size_t i = 0; i < source.words.size(); ++i) {
    if (!vocabulary_.IsIgnored(source.words[i])) significant.push_back(i);
  }
  Shuffle(significant, random_);
  std::vector<WordId> chosen = {source.words[significant[0]], source.words[significant[1]]};
  for (WordId word : source.words) {
    const bool keeps_kind = word == vocabulary_.Negation() ||
                            (source.terminator == '?' && vocabulary_.IsQuestionWord(word));
    if (keeps_kind && !Contains(chosen, word)) chosen.push_back(word);
  }
  return Line(chosen, 4, 0, source.terminator);
}

// Every word that the rule counts, among ignored words.
std::string MindGenerator::ParenRuleLine() {
  const RuleKey& key = paren_keys_[random_.Below(paren_keys_.size())];
  std::vector<WordId> counted = key.words;
  if (!key.terminator) counted.pop_back();
  return Line(counted, 3, 0, key.terminator ? key.terminator : '.');
}

// The rule's ignored word, and whatever keeps the kind, among unknown
// words: no phrase or paren rule can answer before the brace rules.
std::string MindGenerator::BraceRuleLine() {
  const RuleKey& key = brace_keys_[random_.Below(brace_keys_.size())];
  std::vector<WordId> chosen = {key.words.front()};
  for (WordId word : key.words) {
    const bool keeps_kind = word == vocabulary_.Negation() ||
                            (key.terminator == '?' && vocabulary_.IsQuestionWord(word));
    if (keeps_kind && !Contains(chosen, word)) chosen.push_back(word);
  }
  return Line(chosen, 0, random_.Between(1, 3), key.terminator);
}

std::string MindGenerator::MissLine() {
  return Line({}, 0, random_.Between(3, 8), DrawTerminator());
}

std::string MindGenerator::Line(const std::vector<WordId>& known, std::size_t most_neutral,
                                std::size_t unknown, char terminator) {
  std::vector<std::string> words;
  for (WordId word : known) words.push_back(vocabulary_.Word(word));
  const auto neutral = vocabulary_.NeutralIgnoredWords();
  for (std::size_t n = random_.Below(most_neutral + 1); n > 0; --n) {
    words.push_back(vocabulary_.Word(neutral[random_.Below(neutral.size())]));
  }
  for (; unknown > 0; --unknown) words.push_back(vocabulary_.UnknownWord(random_));
  Shuffle(words, random_);
  std::string line;
  for (const std::string& word : words) {
    if (!line.empty()) line += ' ';
    line += word;
  }
  line[0] = Capital(line[0]);
  return line + terminator;
}

}  // namespace chatmind::bench
