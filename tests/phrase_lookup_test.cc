#include "reply/phrase_lookup.h"

#include <gtest/gtest.h>

#include "reference/plain_lookups.h"

namespace chatmind {
namespace {

// Both lookups of a pair: the plain scan and the hash table.
TEST(PhraseLookupTest, PairLookupAgreesWithThePlainScan) {
  Mind mind;
  mind.PhraseKeys = {"a", "a", "x", "a", "a"};
  mind.PhraseReplies = {"0", "b", "y", "3", "b"};
  PhraseLookup lookup;
  lookup.Update(mind);
  const struct {
    const char* name;
    std::string key;
    std::string reply;
    std::ptrdiff_t last_position;
  } cases[] = {
      {"the last of two equal pairs", "a", "b", 4},
      {"key and reply at different positions", "x", "b", -1},
      {"a reply is no key", "b", "a", -1},
      {"an unknown key", "z", "y", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(reference::FindPair(c.key, c.reply, mind.PhraseKeys, mind.PhraseReplies),
              c.last_position)
        << c.name;
    EXPECT_EQ(lookup.Contains(mind, c.key, c.reply), c.last_position != -1) << c.name;
  }
  EXPECT_EQ(reference::FindPair("a", "b", {}, {}), -1);
}

TEST(PhraseLookupTest, LearnedPairsAreFoundInOrder) {
  Mind mind;
  PhraseLookup lookup;
  for (const char* reply : {"1", "2", "3"}) {
    AppendPhrasePair(mind, "k", reply);
    lookup.Update(mind);
  }
  EXPECT_TRUE(lookup.Contains(mind, "k", "3"));
  mind.ReplyHistory = {"1", "3"};
  EXPECT_EQ(lookup.FirstFresh(mind, "k"), 1u);
  mind.ReplyHistory.Add("2");
  EXPECT_EQ(lookup.FirstFresh(mind, "k"), std::nullopt);
}

}  // namespace
}  // namespace chatmind
