// The generated minds hold what they claim, and the generated lines reach
// the strategies they are made for: otherwise the benchmarks measure another
// mix than they report.

#include "mind_generator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "reference/reference_engine.h"
#include "support/test_support.h"

namespace chatmind::bench {
namespace {

using test::ReadBytes;
using test::TempDir;

constexpr std::size_t kPairs = 1000;

// The lines of a mind file, each of which must end in CR LF.
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "the last line lacks its CR LF";
  return lines;
}

// The record kind a key line makes.
std::string KindOf(const std::string& key) {
  if (key.starts_with(" <")) return key;
  if (key.size() >= 2 && key[0] == ' ') {
    for (const char* brackets : {"()", "{}", "||", "[]"}) {
      if (key[1] == brackets[0] && key.back() == brackets[1]) return brackets;
    }
  }
  return "phrase";
}

class MindGeneratorTest : public ::testing::Test {
 protected:
  std::string Write(std::uint64_t seed, const std::string& name) {
    MindGenerator generator(seed);
    const std::string path = dir_.Path(name);
    generator.WriteMind(ShapeFor(kPairs), path);
    lines_ = generator.MakeLines(100);
    return path;
  }

  TempDir dir_;
  std::vector<BenchLine> lines_;
};

TEST_F(MindGeneratorTest, TheSeedDeterminesMindAndLines) {
  const std::string first = ReadBytes(Write(7, "a.mind"));
  const std::vector<BenchLine> first_lines = lines_;
  EXPECT_EQ(ReadBytes(Write(7, "b.mind")), first);
  for (std::size_t i = 0; i < lines_.size(); ++i) EXPECT_EQ(lines_[i].text, first_lines[i].text);
  EXPECT_NE(ReadBytes(Write(8, "c.mind")), first);
}

TEST_F(MindGeneratorTest, EveryRecordKindInItsProportion) {
  const std::vector<std::string> lines = Lines(ReadBytes(Write(1, "m.mind")));
  ASSERT_EQ(lines.size() % 2, 0u);
  std::map<std::string, std::size_t> records;
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    EXPECT_FALSE(lines[i].empty() || lines[i + 1].empty()) << "record at line " << i + 1;
    ++records[KindOf(lines[i])];
  }
  const MindShape shape = ShapeFor(kPairs);
  const std::map<std::string, std::size_t> expected = {
      {"phrase", kPairs},
      {"()", shape.paren_rules},
      {"{}", shape.brace_rules},
      {"||", shape.bar_records},
      {"[]", shape.bracket_records},
      {" <THOUGHT>", shape.thoughts},
      {" <QUESTION>", Vocabulary::kQuestionWords},
      {" <IGNORED>", Vocabulary::kIgnoredWords},
      {" <ESCAPE>", shape.escape_phrases},
      {" <INITIAL>", shape.initial_phrases},
  };
  EXPECT_EQ(records, expected);
  EXPECT_EQ(shape.paren_rules, 20u);
}

// Each line goes to a fresh engine, so that no earlier reply is passed over:
// a line made for a word strategy must not fall through to the first escape
// phrase, and a line that misses them all must.
TEST_F(MindGeneratorTest, LinesReachTheirStrategies) {
  const std::string path = Write(3, "m.mind");
  const std::vector<std::string> lines = Lines(ReadBytes(path));
  std::string first_escape;
  for (std::size_t i = 0; i < lines.size() && first_escape.empty(); i += 2) {
    if (lines[i] == " <ESCAPE>") first_escape = lines[i + 1];
  }
  ASSERT_FALSE(first_escape.empty());
  std::map<LineKind, std::size_t> made;
  for (const BenchLine& line : lines_) {
    ++made[line.kind];
    reference::ReferenceEngine engine;
    ASSERT_TRUE(engine.LoadMind(path));
    const std::string reply = engine.GetReplyTo(line.text);
    if (line.kind == LineKind::kMiss) {
      EXPECT_EQ(reply, first_escape) << line.text;
    } else {
      EXPECT_NE(reply, first_escape) << LineKindName(line.kind) << ": " << line.text;
    }
  }
  const std::map<LineKind, std::size_t> mix = {{LineKind::kExactPhrase, 20},
                                               {LineKind::kIndexedSentence, 30},
                                               {LineKind::kParenRule, 15},
                                               {LineKind::kBraceRule, 15},
                                               {LineKind::kMiss, 20}};
  EXPECT_EQ(made, mix);
}

}  // namespace
}  // namespace chatmind::bench
