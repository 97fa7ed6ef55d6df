#include "mind/mind.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::W;

TEST(FindStringTest, FirstEqualElementOrMinusOne) {
  EXPECT_EQ(FindString("a", StringList{}), -1);
  EXPECT_EQ(FindString("b", StringList{"a", "b", "b"}), 1);
  EXPECT_EQ(FindString("", StringList{"a"}), -1);
  EXPECT_EQ(FindString(W("привет."), StringList{W("Привет.")}), -1)
      << "comparison is case-sensitive";
}

TEST(ClearMindTest, EmptiesFileBackedListsAndIndexButKeepsConversation) {
  Mind mind;
  for (TextList Mind::*list : kFileBackedLists) (mind.*list).push_back("x");
  mind.SentenceIndex = {{"x.", 0}};
  mind.ReplyHistory = {"r"};
  mind.LastReply = "r";
  ClearMind(mind);
  for (TextList Mind::*list : kFileBackedLists) EXPECT_TRUE((mind.*list).empty());
  EXPECT_TRUE(mind.SentenceIndex.empty());
  EXPECT_EQ(test::Replies(mind.ReplyHistory), StringList{"r"});
  EXPECT_EQ(mind.LastReply, "r");
}

}  // namespace
}  // namespace chatmind
