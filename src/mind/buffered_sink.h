#ifndef CHATMIND_MIND_BUFFERED_SINK_H_
#define CHATMIND_MIND_BUFFERED_SINK_H_

#include <functional>
#include <string>
#include <string_view>

#include "mind/mind_file.h"

namespace chatmind {

// Gathers the many short lines of a mind file into few large writes.
class BufferedSink : public ByteSink {
 public:
  // `write_all` writes every byte it is given, or returns false.
  explicit BufferedSink(std::function<bool(std::string_view)> write_all);

  bool Write(std::string_view bytes) override;

  // Writes what is gathered. Returns false once any write has failed.
  bool Flush();

 private:
  bool Check(bool ok);

  std::function<bool(std::string_view)> write_all_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace chatmind

#endif  // CHATMIND_MIND_BUFFERED_SINK_H_
