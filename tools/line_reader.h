#ifndef CHATMIND_TOOLS_LINE_READER_H_
#define CHATMIND_TOOLS_LINE_READER_H_

#include <memory>
#include <optional>
#include <string>

namespace chatmind::tool {

// Where the user's lines come from.
class LineReader {
 public:
  virtual ~LineReader() = default;

  // The next line without its line end; nothing at the end of input, on a
  // read error and when interrupted.
  virtual std::optional<std::string> ReadLine() = 0;
};

// Reads standard input as it is: for pipes and files.
std::unique_ptr<LineReader> MakeStreamReader();

// Reads a terminal with a prompt, line editing and history (libedit). The
// terminal must speak UTF-8.
std::unique_ptr<LineReader> MakeTerminalReader(const char* prompt);

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_LINE_READER_H_
