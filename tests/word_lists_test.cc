#include "text/word_lists.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::W;

struct ListPairCase {
  const char* name;
  StringList a;
  StringList b;
  bool contains_all;
  std::size_t shared;
};

TEST(WordListsTest, ContainsAllAndCountShared) {
  const ListPairCase cases[] = {
      {"empty a", {}, {W("да")}, true, 0},
      {"both empty", {}, {}, true, 0},
      {"empty b", {W("да")}, {}, false, 0},
      {"a repeated word counts each time", {W("да"), W("да")}, {W("да")}, true, 2},
      {"one word missing", {W("да"), W("нет")}, {W("да")}, false, 1},
      {"order does not matter", {"b", "a"}, {"a", "b", "c"}, true, 2},
      {"whole words only", {W("музык")}, {W("музыку")}, false, 0},
      {"byte for byte, no case folding", {W("Да")}, {W("да")}, false, 0},
  };
  for (const ListPairCase& c : cases) {
    EXPECT_EQ(ContainsAll(c.a, c.b), c.contains_all) << c.name;
    EXPECT_EQ(CountShared(c.a, c.b), c.shared) << c.name;
  }
}

TEST(WordListsTest, SeparateIgnoredKeepsOrderAndRepetitions) {
  StringList significant = {"s"};
  StringList ignored = {"i"};
  SeparateIgnored({W("я"), W("знаю"), W("я")}, {W("я")}, significant, ignored);
  EXPECT_EQ(significant, (StringList{"s", W("знаю")}));
  EXPECT_EQ(ignored, (StringList{"i", W("я"), W("я")}));
}

TEST(WordListsTest, SeparateIgnoredComparesAsStored) {
  StringList significant;
  StringList ignored;
  SeparateIgnored({W("ты"), W("я")}, {W("Ты"), W("я")}, significant, ignored);
  EXPECT_EQ(significant, StringList{W("ты")});
  EXPECT_EQ(ignored, StringList{W("я")});
}

}  // namespace
}  // namespace chatmind
