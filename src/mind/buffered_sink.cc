#include "mind/buffered_sink.h"

#include <utility>

namespace chatmind {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

BufferedSink::BufferedSink(std::function<bool(std::string_view)> write_all)
    : write_all_(std::move(write_all)) {
  buffer_.reserve(kBufferSize);
}

bool BufferedSink::Write(std::string_view bytes) {
  if (failed_) return false;
  if (buffer_.size() + bytes.size() > kBufferSize) {
    if (!Flush()) return false;
    if (bytes.size() >= kBufferSize) return Check(write_all_(bytes));
  }
  buffer_.append(bytes);
  return true;
}

bool BufferedSink::Flush() {
  if (failed_) return false;
  const bool ok = write_all_(buffer_);
  buffer_.clear();
  return Check(ok);
}

bool BufferedSink::Check(bool ok) {
  failed_ = failed_ || !ok;
  return ok;
}

}  // namespace chatmind
