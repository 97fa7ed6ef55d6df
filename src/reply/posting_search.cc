#include "reply/posting_search.h"

#include <algorithm>

namespace chatmind {
namespace {

constexpr int kNeeded = 2;

// The first index at or after `at` whose element is not below `target`.
std::size_t Gallop(std::span<const std::uint32_t> list, std::size_t at, std::uint32_t target) {
  std::size_t step = 1;
  std::size_t low = at;
  std::size_t high = at;
  while (high < list.size() && list[high] < target) {
    low = high + 1;
    high += step;
    step *= 2;
  }
  high = std::min(high, list.size());
  return static_cast<std::size_t>(std::lower_bound(list.begin() + static_cast<std::ptrdiff_t>(low),
                                                   list.begin() + static_cast<std::ptrdiff_t>(high),
                                                   target) -
                                  list.begin());
}

}  // namespace

std::uint32_t PostingCursor::Head() const {
  const std::uint32_t a = first_at_ < first_.size() ? first_[first_at_] : kEnd;
  const std::uint32_t b = second_at_ < second_.size() ? second_[second_at_] : kEnd;
  return std::min(a, b);
}

void PostingCursor::SkipTo(std::uint32_t target) {
  first_at_ = Gallop(first_, first_at_, target);
  second_at_ = Gallop(second_, second_at_, target);
}

std::uint32_t FindFirstSharedTwice(std::vector<PostingCursor>& cursors,
                                   const std::function<bool(std::uint32_t)>& accept) {
  // A heap on the heads, lowest on top: a sentence may bring a cursor for
  // each of a million words, too many to sort at every step.
  const auto later = [](const PostingCursor& a, const PostingCursor& b) {
    return a.Head() > b.Head();
  };
  const auto first = cursors.begin();
  std::make_heap(first, cursors.end(), later);
  const std::size_t count = cursors.size();
  while (count > 0) {
    const std::uint32_t head = cursors.front().Head();
    if (head == PostingCursor::kEnd) return PostingCursor::kEnd;
    // The cursors at the lowest head go behind the heap, to [popped, count).
    int weight = 0;
    std::size_t popped = count;
    while (popped > 0 && cursors.front().Head() == head) {
      weight += cursors.front().weight();
      std::pop_heap(first, first + static_cast<std::ptrdiff_t>(popped), later);
      --popped;
    }
    if (weight >= kNeeded) {
      if (accept(head)) return head;
      for (std::size_t i = popped; i < count; ++i) cursors[i].SkipTo(head + 1);
    } else {
      // One word alone at its entry: no entry below the next head can reach
      // two, so it skips straight there.
      const std::uint32_t next = popped > 0 ? cursors.front().Head() : PostingCursor::kEnd;
      if (next == PostingCursor::kEnd) return PostingCursor::kEnd;
      for (std::size_t i = popped; i < count; ++i) cursors[i].SkipTo(next);
    }
    for (std::size_t i = popped; i < count; ++i) {
      std::push_heap(first, first + static_cast<std::ptrdiff_t>(i + 1), later);
    }
  }
  return PostingCursor::kEnd;
}

}  // namespace chatmind
