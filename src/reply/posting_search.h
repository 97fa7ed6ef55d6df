#ifndef CHATMIND_REPLY_POSTING_SEARCH_H_
#define CHATMIND_REPLY_POSTING_SEARCH_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace chatmind {

// Walks a posting list forward: the entries that hold one word, in
// increasing order. The list may be the union of two sorted lists (an
// entry in both counts once), for a word that an entry can hold in two
// ways.
class PostingCursor {
 public:
  static constexpr std::uint32_t kEnd = UINT32_MAX;

  // `weight` is what one occurrence of the word counts for; `tag` is the
  // caller's name for the word.
  PostingCursor(std::span<const std::uint32_t> first, std::span<const std::uint32_t> second,
                int weight, std::size_t tag)
      : first_(first), second_(second), weight_(weight), tag_(tag) {}

  // The current entry, or kEnd when the list is used up.
  std::uint32_t Head() const;

  // Moves to the first entry not below `target`, galloping so that long
  // stretches are skipped in logarithmic time.
  void SkipTo(std::uint32_t target);

  int weight() const { return weight_; }
  std::size_t tag() const { return tag_; }

 private:
  std::span<const std::uint32_t> first_;
  std::span<const std::uint32_t> second_;
  std::size_t first_at_ = 0;
  std::size_t second_at_ = 0;
  int weight_;
  std::size_t tag_;
};

// Returns the first entry, in increasing order, that the cursors' weights
// reach two in and that `accept` takes, or PostingCursor::kEnd; the cursors
// whose Head() is that entry are then the words it holds. Only
// entries that can reach two are looked at: while the cursors below the
// second-lowest head weigh less than two together, they skip straight to
// it, so a word that stands alone in its entries costs nothing to pass.
// Moves the cursors.
std::uint32_t FindFirstSharedTwice(std::vector<PostingCursor>& cursors,
                                   const std::function<bool(std::uint32_t)>& accept);

}  // namespace chatmind

#endif  // CHATMIND_REPLY_POSTING_SEARCH_H_
