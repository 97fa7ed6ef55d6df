#include "line_reader.h"

#include <editline/readline.h>
#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string_view>

#include "interrupt.h"

namespace chatmind::tool {
namespace {

// Reads standard input itself rather than through stdio, so that every read
// waits through WaitForInput and an interrupt can never leave it blocked.
class StreamReader : public LineReader {
 public:
  std::optional<std::string> ReadLine() override {
    while (!Interrupted()) {
      const std::size_t end = buffer_.find('\n', scanned_);
      if (end != std::string::npos) return TakeLine(end, end + 1);
      scanned_ = buffer_.size();
      if (ended_) {
        if (start_ == buffer_.size()) return std::nullopt;
        return TakeLine(buffer_.size(), buffer_.size());
      }
      ReadMore();
    }
    return std::nullopt;
  }

 private:
  std::string TakeLine(std::size_t end, std::size_t next) {
    std::string line = buffer_.substr(start_, end - start_);
    start_ = scanned_ = next;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }

  void ReadMore() {
    buffer_.erase(0, start_);
    scanned_ -= start_;
    start_ = 0;
    if (!WaitForInput(STDIN_FILENO)) return;
    char chunk[1 << 16];
    const ssize_t length = read(STDIN_FILENO, chunk, sizeof chunk);
    if (length > 0) {
      buffer_.append(chunk, static_cast<std::size_t>(length));
    } else if (length == 0 || errno != EINTR) {
      ended_ = true;
    }
  }

  std::string buffer_;
  std::size_t start_ = 0;    // where the next line begins
  std::size_t scanned_ = 0;  // no line end before this
  bool ended_ = false;
};

// libedit's own read retries once it has seen a signal, so a Ctrl-C that
// comes before the read starts would leave it blocked; this one ends the line
// instead. Returns one character of UTF-8 input, or EOF.
int ReadTerminalCharacter(FILE*) {
  char bytes[MB_LEN_MAX];
  std::size_t count = 0;
  while (WaitForInput(STDIN_FILENO)) {
    const ssize_t length = read(STDIN_FILENO, &bytes[count], 1);
    if (length < 0 && errno == EINTR) continue;
    if (length <= 0) break;
    ++count;
    std::mbstate_t state = {};
    wchar_t character;
    const std::size_t result = std::mbrtowc(&character, bytes, count, &state);
    if (result == static_cast<std::size_t>(-2) && count < MB_LEN_MAX) continue;
    if (result <= MB_LEN_MAX) return static_cast<int>(character);
    count = 0;  // not UTF-8: dropped, as libedit does
  }
  return EOF;
}

class TerminalReader : public LineReader {
 public:
  explicit TerminalReader(const char* prompt) : prompt_(prompt) {
    // libedit finds the characters of a line through the C library's
    // multibyte functions, which need a UTF-8 character type; the terminal
    // speaks UTF-8 whatever the environment's locale says.
    const char* locale = std::setlocale(LC_CTYPE, "");
    if (locale == nullptr || std::string_view(nl_langinfo(CODESET)) != "UTF-8") {
      std::setlocale(LC_CTYPE, "C.UTF-8");
    }
    // Must be set before libedit starts, which using_history() does.
    rl_getc_function = ReadTerminalCharacter;
    using_history();
  }

  std::optional<std::string> ReadLine() override {
    if (Interrupted()) return std::nullopt;
    char* text = readline(prompt_);
    if (text == nullptr || Interrupted()) {
      std::free(text);
      return std::nullopt;
    }
    std::string line(text);
    std::free(text);
    if (!line.empty()) add_history(line.c_str());
    return line;
  }

 private:
  const char* prompt_;
};

}  // namespace

std::unique_ptr<LineReader> MakeStreamReader() { return std::make_unique<StreamReader>(); }

std::unique_ptr<LineReader> MakeTerminalReader(const char* prompt) {
  return std::make_unique<TerminalReader>(prompt);
}

}  // namespace chatmind::tool
