#ifndef CHATMIND_TEXT_TEXT_LIST_H_
#define CHATMIND_TEXT_TEXT_LIST_H_

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chatmind {

// A block of bytes that texts of one or more TextLists view, such as the
// whole content of a loaded file. Never changes once shared.
using TextBlock = std::shared_ptr<const std::string>;

// An ordered list of Windows-1251 byte strings (duplicates allowed), stored
// compactly: each element is a view into a block that the list keeps alive,
// either a block shared with other lists or the list's own copy of the
// text. An element costs its view and its bytes, nothing more.
class TextList {
 public:
  TextList() = default;
  // Copies each text.
  TextList(std::initializer_list<std::string_view> texts);
  // A copy shares the blocks of `other` but copies texts appended later to
  // blocks of its own.
  TextList(const TextList& other);
  TextList& operator=(const TextList& other);
  TextList(TextList&&) noexcept = default;
  TextList& operator=(TextList&&) noexcept = default;

  std::size_t size() const { return views_.size(); }
  bool empty() const { return views_.empty(); }
  std::string_view operator[](std::size_t i) const { return views_[i]; }
  std::string_view back() const { return views_.back(); }
  std::vector<std::string_view>::const_iterator begin() const { return views_.begin(); }
  std::vector<std::string_view>::const_iterator end() const { return views_.end(); }
  std::span<const std::string_view> views() const { return views_; }

  // Appends a copy of `text`.
  void push_back(std::string_view text);

  // Appends `text`, which must lie within `block`.
  void AppendShared(std::string_view text, const TextBlock& block);

  // Appends the elements of `other`, sharing its blocks.
  void Append(const TextList& other);

  // Makes room for `count` more elements holding `bytes` bytes of copied
  // text in all, or shared from one list's blocks (Append), so that
  // appending them cannot run out of memory. Throws std::bad_alloc, leaving
  // the list unchanged.
  void Reserve(std::size_t count, std::size_t bytes);

  // Returns the elements in a new order: at position i the one at
  // `source(i)`, which must be a permutation of the positions.
  template <class Source>
  std::vector<std::string_view> ReorderedViews(Source&& source) const {
    std::vector<std::string_view> reordered(views_.size());
    for (std::size_t i = 0; i < views_.size(); ++i) reordered[i] = views_[source(i)];
    return reordered;
  }

  // Takes `views`, the list's own elements in a new order (as ReorderedViews
  // gives them), as the list's elements.
  void SetOrder(std::vector<std::string_view>&& views) noexcept { views_.swap(views); }

  void clear();

  friend bool operator==(const TextList& a, const TextList& b) { return a.views_ == b.views_; }

 private:
  void KeepBlock(const TextBlock& block);

  std::vector<std::string_view> views_;
  std::vector<TextBlock> blocks_;
  // The block that copied texts go to, written only past own_used_ and by
  // this list alone, so that the bytes already viewed never change.
  std::shared_ptr<std::string> own_;
  std::size_t own_used_ = 0;
};

}  // namespace chatmind

#endif  // CHATMIND_TEXT_TEXT_LIST_H_
