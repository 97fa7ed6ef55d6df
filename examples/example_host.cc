// A minimal host: loads a mind file through the C interface and answers
// every line of standard input. The terminal speaks UTF-8 and the engine
// Windows-1251, so each line is converted on the way in and out.
#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <optional>
#include <string>

#include "chatmind/chatmind.h"

namespace {

// Converts `text` between two encodings; nothing when a character has no
// counterpart or the input is malformed.
std::optional<std::string> Convert(const std::string& text, const char* from, const char* to) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input = text;
  std::string output(text.size() * 4 + 4, '\0');
  char* in = input.data();
  std::size_t in_left = input.size();
  char* out = output.data();
  std::size_t out_left = output.size();
  const std::size_t result = iconv(converter, &in, &in_left, &out, &out_left);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) return std::nullopt;
  output.resize(output.size() - out_left);
  return output;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " MIND_FILE\n";
    return 2;
  }
  if (!LoadMind(argv[1])) {
    std::cerr << argv[0] << ": cannot read mind file " << argv[1] << "\n";
    return 1;
  }
  const bool interactive = isatty(STDIN_FILENO) != 0;
  if (interactive) std::cout << "Talk to chatmind in Russian; end with Ctrl-D.\n> " << std::flush;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto text = Convert(line, "UTF-8", "CP1251");
    if (!text) {
      std::cerr << "This line holds a character that Windows-1251 cannot carry.\n";
      std::cout << "\n";
    } else {
      const auto reply = Convert(GetReplyTo(text->c_str()), "CP1251", "UTF-8");
      std::cout << reply.value_or("") << "\n";
    }
    if (interactive) std::cout << "> " << std::flush;
  }
  return 0;
}
