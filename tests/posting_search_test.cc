#include "reply/posting_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace chatmind {
namespace {

using Postings = std::vector<std::uint32_t>;

// A word's posting list (with the entries that hold it a second way) and
// its weight.
struct Word {
  Postings first;
  Postings second;
  int weight;
};

struct SearchCase {
  const char* name;
  std::vector<Word> words;
  std::set<std::uint32_t> rejected;  // entries `accept` turns down
  std::uint32_t found;
  std::vector<std::size_t> holding;  // the words whose cursors stop at `found`
};

TEST(FindFirstSharedTwiceTest, Table) {
  constexpr std::uint32_t kEnd = PostingCursor::kEnd;
  const SearchCase cases[] = {
      {"two lists meet", {{{1, 4, 9}, {}, 1}, {{2, 4, 9}, {}, 1}}, {}, 4, {0, 1}},
      {"the first meeting is taken",
       {{{9, 20}, {}, 1}, {{3, 9}, {}, 1}, {{3}, {}, 1}},
       {},
       3,
       {1, 2}},
      {"a rejected entry is passed over", {{{1, 4, 9}, {}, 1}, {{4, 9}, {}, 1}}, {4}, 9, {0, 1}},
      {"a word counted twice stands alone", {{{7}, {}, 2}, {{1, 8}, {}, 1}}, {}, 7, {0}},
      {"one word of weight one is never enough", {{{1, 2, 3}, {}, 1}}, {}, kEnd, {}},
      {"lists that never meet", {{{1, 3, 5}, {}, 1}, {{2, 4, 6}, {}, 1}}, {}, kEnd, {}},
      {"a word held two ways counts once", {{{5}, {5}, 1}}, {}, kEnd, {}},
      {"the second way meets another word", {{{}, {6}, 1}, {{6}, {}, 1}}, {}, 6, {0, 1}},
      {"no words", {}, {}, kEnd, {}},
  };
  for (const SearchCase& c : cases) {
    std::vector<PostingCursor> cursors;
    for (std::size_t i = 0; i < c.words.size(); ++i) {
      cursors.emplace_back(c.words[i].first, c.words[i].second, c.words[i].weight, i);
    }
    const std::uint32_t found = FindFirstSharedTwice(
        cursors, [&](std::uint32_t entry) { return !c.rejected.contains(entry); });
    EXPECT_EQ(found, c.found) << c.name;
    if (found == kEnd) continue;
    std::vector<std::size_t> holding;
    for (const PostingCursor& cursor : cursors) {
      if (cursor.Head() == found) holding.push_back(cursor.tag());
    }
    std::sort(holding.begin(), holding.end());
    EXPECT_EQ(holding, c.holding) << c.name;
  }
}

// A sentence may bring a cursor for each of a million words. Each cursor
// passed over costs a logarithmic step, not a pass over all the others.
TEST(FindFirstSharedTwiceTest, ManyWordsAloneInTheirEntries) {
  constexpr std::uint32_t kWords = 1000000;
  std::vector<Postings> lists(kWords);
  for (std::uint32_t i = 0; i < kWords; ++i) lists[i] = {2 * i};
  lists.push_back({2 * kWords - 2});
  for (const bool last_shared : {false, true}) {
    std::vector<PostingCursor> cursors;
    for (std::size_t i = 0; i < kWords + (last_shared ? 1 : 0); ++i) {
      cursors.emplace_back(lists[i], Postings{}, 1, i);
    }
    EXPECT_EQ(FindFirstSharedTwice(cursors, [](std::uint32_t) { return true; }),
              last_shared ? 2 * kWords - 2 : PostingCursor::kEnd);
  }
}

}  // namespace
}  // namespace chatmind
