#include "interface/reply_buffer.h"

#include <cstring>

namespace chatmind {

std::string_view ReplyBuffer::Store(std::string_view reply) {
  const std::size_t needed = reply.size() + 2;
  if (needed >= capacity_) Renew(needed);
  std::memcpy(storage_.get(), reply.data(), reply.size());
  storage_[reply.size()] = '\0';
  return std::string_view(storage_.get(), reply.size());
}

void ReplyBuffer::Renew(std::size_t capacity) {
  Release();
  storage_ = std::make_unique_for_overwrite<char[]>(capacity);
  capacity_ = capacity;
}

void ReplyBuffer::Release() noexcept {
  storage_.reset();
  capacity_ = 0;
}

}  // namespace chatmind
