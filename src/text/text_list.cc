#include "text/text_list.h"

#include <algorithm>

namespace chatmind {
namespace {

constexpr std::size_t kFirstOwnBlock = 256;
// Past this size, copied texts go to blocks of this size, so that one long
// text does not make every later block long too.
constexpr std::size_t kLargestOwnBlock = 1 << 20;

template <class T>
void ReserveGeometric(std::vector<T>& items, std::size_t extra) {
  const std::size_t needed = items.size() + extra;
  if (needed > items.capacity()) items.reserve(std::max(needed, 2 * items.capacity()));
}

}  // namespace

TextList::TextList(std::initializer_list<std::string_view> texts) {
  for (std::string_view text : texts) push_back(text);
}

TextList::TextList(const TextList& other) : views_(other.views_), blocks_(other.blocks_) {
  if (other.own_) blocks_.push_back(other.own_);
}

TextList& TextList::operator=(const TextList& other) {
  if (this != &other) *this = TextList(other);
  return *this;
}

void TextList::push_back(std::string_view text) {
  Reserve(1, text.size());
  if (text.empty()) {
    views_.emplace_back();
    return;
  }
  char* start = own_->data() + own_used_;
  std::copy(text.begin(), text.end(), start);
  own_used_ += text.size();
  views_.push_back(std::string_view(start, text.size()));
}

void TextList::AppendShared(std::string_view text, const TextBlock& block) {
  ReserveGeometric(views_, 1);
  KeepBlock(block);
  views_.push_back(text);
}

void TextList::Append(const TextList& other) {
  ReserveGeometric(views_, other.size());
  ReserveGeometric(blocks_, other.blocks_.size() + 1);
  for (const TextBlock& block : other.blocks_) KeepBlock(block);
  if (other.own_) KeepBlock(other.own_);
  views_.insert(views_.end(), other.views_.begin(), other.views_.end());
}

void TextList::Reserve(std::size_t count, std::size_t bytes) {
  ReserveGeometric(views_, count);
  ReserveGeometric(blocks_, 2);
  if (bytes == 0 || (own_ && own_->size() - own_used_ >= bytes)) return;
  // A fresh block: the old one keeps its bytes, and the views into them.
  const std::size_t previous = own_ ? own_->size() : kFirstOwnBlock / 2;
  auto block = std::make_shared<std::string>(
      std::max(bytes, std::min(2 * previous, kLargestOwnBlock)), '\0');
  ReserveGeometric(blocks_, 1);
  if (own_) blocks_.push_back(std::move(own_));
  own_ = std::move(block);
  own_used_ = 0;
}

void TextList::clear() {
  views_ = {};
  blocks_ = {};
  own_.reset();
  own_used_ = 0;
}

void TextList::KeepBlock(const TextBlock& block) {
  if (block == own_) return;
  if (std::find(blocks_.rbegin(), blocks_.rend(), block) != blocks_.rend()) return;
  blocks_.push_back(block);
}

}  // namespace chatmind
