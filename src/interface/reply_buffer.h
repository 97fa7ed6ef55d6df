#ifndef CHATMIND_INTERFACE_REPLY_BUFFER_H_
#define CHATMIND_INTERFACE_REPLY_BUFFER_H_

#include <cstddef>
#include <memory>
#include <string_view>

namespace chatmind {

// The storage through which a reply is handed to the host. Its block is
// reused while replies fit well inside it and replaced by one of exactly the
// needed size otherwise; the old block is always released first.
class ReplyBuffer {
 public:
  ReplyBuffer() = default;
  ReplyBuffer(const ReplyBuffer&) = delete;
  ReplyBuffer& operator=(const ReplyBuffer&) = delete;

  // Copies `reply` and a terminating NUL to the start of the storage and
  // returns a view of the copy, valid until the next call on this buffer.
  // When reply.size() + 2 is not below capacity(), the storage is first
  // replaced by a new block of reply.size() + 2 bytes. Throws
  // std::bad_alloc, leaving no storage, when that block cannot be had.
  std::string_view Store(std::string_view reply);

  // Replaces the storage by a new block of `capacity` bytes (at least 1).
  void Renew(std::size_t capacity);

  // Releases the storage; capacity() is then 0.
  void Release() noexcept;

  // The size of the current storage in bytes; 0 when there is none.
  std::size_t capacity() const noexcept { return capacity_; }

 private:
  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
};

}  // namespace chatmind

#endif  // CHATMIND_INTERFACE_REPLY_BUFFER_H_
