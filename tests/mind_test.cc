#include "mind/mind.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::W;

TEST(FindStringTest, FirstEqualElementOrMinusOne) {
  EXPECT_EQ(FindString("a", {}), -1);
  EXPECT_EQ(FindString("b", {"a", "b", "b"}), 1);
  EXPECT_EQ(FindString("", {"a"}), -1);
  EXPECT_EQ(FindString(W("привет."), {W("Привет.")}), -1) << "comparison is case-sensitive";
}

TEST(FindPairTest, LastPositionHoldingBoth) {
  const StringList keys = {"a", "a", "x", "a", "a"};
  const StringList replies = {"0", "b", "y", "3", "b"};
  EXPECT_EQ(FindPair("a", "b", keys, replies), 4);
  EXPECT_EQ(FindPair("x", "b", keys, replies), -1) << "key and reply at different positions";
  EXPECT_EQ(FindPair("a", "b", {}, {}), -1);
}

TEST(ClearMindTest, EmptiesFileBackedListsAndIndexButKeepsConversation) {
  Mind mind;
  for (StringList Mind::*list : kFileBackedLists) (mind.*list).push_back("x");
  mind.SentenceIndex = {"x 0."};
  mind.ReplyHistory = {"r"};
  mind.LastReply = "r";
  ClearMind(mind);
  for (StringList Mind::*list : kFileBackedLists) EXPECT_TRUE((mind.*list).empty());
  EXPECT_TRUE(mind.SentenceIndex.empty());
  EXPECT_EQ(mind.ReplyHistory, StringList{"r"});
  EXPECT_EQ(mind.LastReply, "r");
}

}  // namespace
}  // namespace chatmind
