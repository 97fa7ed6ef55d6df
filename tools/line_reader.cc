#include "line_reader.h"

#include <editline/readline.h>
#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "interrupt.h"

namespace chatmind::tool {
namespace {

class StreamReader : public LineReader {
 public:
  ~StreamReader() override { std::free(buffer_); }

  std::optional<std::string> ReadLine() override {
    if (Interrupted()) return std::nullopt;
    const ssize_t length = getline(&buffer_, &capacity_, stdin);
    if (length < 0) return std::nullopt;
    std::string line(buffer_, static_cast<std::size_t>(length));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }

 private:
  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;
};

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
