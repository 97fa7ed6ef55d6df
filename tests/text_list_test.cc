#include "text/text_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace chatmind {
namespace {

TEST(TextListTest, CopiesKeepTheirOwnTexts) {
  TextList original = {"a", ""};
  TextList copy = original;
  // Both append to what was one block; neither may overwrite the other.
  original.push_back("from original");
  copy.push_back("from copy");
  EXPECT_EQ(original, (TextList{"a", "", "from original"}));
  EXPECT_EQ(copy, (TextList{"a", "", "from copy"}));
  copy = original;
  original.clear();
  EXPECT_EQ(copy, (TextList{"a", "", "from original"})) << "a copy outlives the original's clear";
}

TEST(TextListTest, TextsSurviveGrowth) {
  TextList list;
  for (std::size_t i = 0; i < 2000; ++i) list.push_back(std::string(i % 300, 'x'));
  for (std::size_t i = 0; i < 2000; ++i) ASSERT_EQ(list[i], std::string(i % 300, 'x')) << i;
}

TEST(TextListTest, SharedBlocksLiveAsLongAsAnyListViewsThem) {
  TextList appended;
  {
    const TextBlock block = std::make_shared<const std::string>("key\nreply\n");
    TextList loaded;
    loaded.AppendShared(std::string_view(*block).substr(0, 3), block);
    loaded.AppendShared(std::string_view(*block).substr(4, 5), block);
    appended.push_back("first");
    appended.Append(loaded);
  }
  EXPECT_EQ(appended, (TextList{"first", "key", "reply"}));
}

TEST(TextListTest, ReorderKeepsTheTexts) {
  TextList list = {"a", "b", "c"};
  list.SetOrder(list.ReorderedViews([](std::size_t i) { return 2 - i; }));
  EXPECT_EQ(list, (TextList{"c", "b", "a"}));
  list.push_back("d");
  EXPECT_EQ(list.back(), "d");
}

}  // namespace
}  // namespace chatmind
