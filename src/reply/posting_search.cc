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
  const auto by_head = [](const PostingCursor& a, const PostingCursor& b) {
    return a.Head() < b.Head();
  };
  while (true) {
    std::sort(cursors.begin(), cursors.end(), by_head);
    // The pivot: the lowest head at which the weights of the cursors up to
    // it reach two. No entry below it can.
    int weight = 0;
    std::size_t pivot = 0;
    while (pivot < cursors.size() && cursors[pivot].Head() != PostingCursor::kEnd) {
      weight += cursors[pivot].weight();
      if (weight >= kNeeded) break;
      ++pivot;
    }
    if (weight < kNeeded) return PostingCursor::kEnd;
    const std::uint32_t target = cursors[pivot].Head();
    if (cursors.front().Head() == target) {
      if (accept(target)) return target;
      for (PostingCursor& cursor : cursors) {
        if (cursor.Head() == target) cursor.SkipTo(target + 1);
      }
    } else {
      for (std::size_t i = 0; i < pivot; ++i) cursors[i].SkipTo(target);
    }
  }
}

}  // namespace chatmind
