#ifndef CHATMIND_TESTS_SUPPORT_RANDOM_MIND_H_
#define CHATMIND_TESTS_SUPPORT_RANDOM_MIND_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace chatmind::test {

// The kinds of record a random mind file holds, each with its weight in
// MindShape::record_weights.
enum class RecordKind {
  kPhrase,
  kParen,
  kBrace,
  kBar,
  kBracket,
  kQuestion,
  kIgnored,
  kEscape,
  kInitial,
  kThought,
  kLookalike,  // a key line that almost has a tag or bracket form: a phrase
};
inline constexpr std::size_t kRecordKinds = 11;

struct MindShape {
  std::size_t min_records;
  std::size_t max_records;
  std::array<unsigned, kRecordKinds> record_weights;
  unsigned quirk_percent;  // how often the file breaks a habit of the writer
};

// Draws the texts of one random scenario: mind files with every record kind
// and the oddities the reader accepts, user lines, a fallback reply. All of
// them come from one small vocabulary, so that words, keys and replies
// collide. The same seed gives the same texts on every platform: no
// standard distribution is used, as their output is not portable.
class RandomMind {
 public:
  explicit RandomMind(std::uint64_t seed);

  // A number below `n` (n > 0).
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(random_() % n); }
  bool Percent(unsigned percent) { return Below(100) < percent; }
  std::size_t Weighted(std::span<const unsigned> weights);

  // The Windows-1251 bytes of a mind file.
  std::string MindFile(const MindShape& shape);

  // A line of user text: often the previous line again, a phrase key of a
  // file made so far or one of `heard` (the engine's earlier replies), else
  // new text.
  std::string UserLine(std::span<const std::string> heard);

  // A text of one or more sentences, the last one perhaps unterminated.
  std::string Text();

 private:
  std::string Word();
  std::string Sentence();
  std::string ListWord();
  std::string Reply();
  std::string BracketedKey(char opener, char closer);
  std::string KeyLine(RecordKind kind);
  std::string Join(const std::vector<std::string>& lines, unsigned quirk_percent);

  std::mt19937_64 random_;
  std::vector<std::string> words_;    // this scenario's share of the vocabulary
  std::vector<std::string> keys_;     // phrase keys of every file so far
  std::vector<std::string> replies_;  // value lines of every file so far
  std::string last_line_;
};

}  // namespace chatmind::test

#endif  // CHATMIND_TESTS_SUPPORT_RANDOM_MIND_H_
