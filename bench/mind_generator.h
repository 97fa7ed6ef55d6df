#ifndef CHATMIND_BENCH_MIND_GENERATOR_H_
#define CHATMIND_BENCH_MIND_GENERATOR_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "random.h"
#include "vocabulary.h"

namespace chatmind::bench {

// How many records of each kind a generated mind holds. The question and
// ignored words are those of the vocabulary: 30 and 200.
struct MindShape {
  std::size_t phrase_pairs = 0;
  std::size_t paren_rules = 0;
  std::size_t brace_rules = 0;
  std::size_t bar_records = 0;
  std::size_t bracket_records = 0;
  std::size_t thoughts = 0;
  std::size_t escape_phrases = 50;
  std::size_t initial_phrases = 50;
};

// A mind of `phrase_pairs` pairs with the other records in proportion:
// 2% paren and brace rules, 0.5% bar and bracket records, 0.1% thoughts
// (at least one of each).
MindShape ShapeFor(std::size_t phrase_pairs);

// The strategy a benchmark line is made to reach. Lines of kMiss share no
// word with the mind, so only the stock phrases and the fallback answer them.
enum class LineKind { kExactPhrase, kIndexedSentence, kParenRule, kBraceRule, kMiss };
inline constexpr std::size_t kLineKinds = 5;
std::string_view LineKindName(LineKind kind);

// Shares of the line kinds, in the order of LineKind.
using LineMix = std::array<double, kLineKinds>;
inline constexpr LineMix kDefaultLineMix = {0.20, 0.30, 0.15, 0.15, 0.20};

struct BenchLine {
  LineKind kind;
  std::string text;  // Windows-1251
};

// Writes realistic minds and lines of user text that reach each strategy,
// all determined by the seed.
class MindGenerator {
 public:
  explicit MindGenerator(std::uint64_t seed);

  // Writes a mind of `shape` to `path` with CR LF line ends, grouped by
  // record kind as a saved mind is. Returns the file's size in bytes; throws
  // std::runtime_error when the file cannot be written.
  std::uint64_t WriteMind(const MindShape& shape, const std::string& path);

  // `count` lines for the mind written last, in the shares of `mix`, and
  // interleaved so that every prefix keeps those shares.
  std::vector<BenchLine> MakeLines(std::size_t count, const LineMix& mix = kDefaultLineMix);

 private:
  struct WordSentence {
    std::vector<WordId> words;
    char terminator = '\0';  // none when '\0'
  };
  // A rule key as written, in lower case.
  struct RuleKey {
    std::vector<WordId> words;
    char terminator = '\0';  // none when '\0'
  };

  void Keep(const std::vector<WordSentence>& key, std::string text);
  void DrawSentence(WordSentence& sentence);
  void AppendSentence(const WordSentence& sentence, std::string& out);
  void AppendProse(std::size_t max_sentences, std::string& out);
  RuleKey DrawParenKey();
  RuleKey DrawBraceKey();
  void AppendRuleKey(const RuleKey& key, std::string& out) const;
  char DrawTerminator();

  std::string ExactPhraseLine();
  std::string IndexedSentenceLine();
  std::string ParenRuleLine();
  std::string BraceRuleLine();
  std::string MissLine();
  // `known` words, up to `most_neutral` ignored words that change no kind
  // and `unknown` words outside the vocabulary, shuffled, as a sentence.
  std::string Line(const std::vector<WordId>& known, std::size_t most_neutral, std::size_t unknown,
                   char terminator);

  Random random_;
  Vocabulary vocabulary_;
  // What the lines are made from: a sample of the phrase keys, spread over
  // the whole mind, and every rule.
  std::vector<std::string> kept_keys_;
  std::vector<WordSentence> indexable_sentences_;  // two significant words or more
  std::vector<RuleKey> paren_keys_;
  std::vector<RuleKey> brace_keys_;
};

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_MIND_GENERATOR_H_
