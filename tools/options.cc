#include "options.h"

#include <optional>
#include <string_view>

namespace chatmind::tool {

const char kUsage[] =
    "Usage:\n"
    "  chatmind                          talk with the bundled Russian mind\n"
    "  chatmind chat --mind FILE [--save]\n"
    "                                    talk with the mind in FILE; --save writes\n"
    "                                    what was learned back to FILE at the end\n"
    "  chatmind check FILE               report what in a mind file an author most\n"
    "                                    likely did not mean\n"
    "  chatmind --help | --version\n"
    "\n"
    "Options:\n"
    "  --encoding utf-8|cp1251           the encoding of the terminal or pipe\n"
    "                                    (default utf-8); the engine works in cp1251\n"
    "  --explain                         after each reply, say on standard error\n"
    "                                    which strategy answered, what it matched\n"
    "                                    and what was learned\n"
    "\n"
    "With standard input not a terminal, chatmind writes one reply line for each\n"
    "input line and nothing else on standard output.\n";

namespace {

std::optional<Encoding> ParseEncoding(std::string_view name) {
  if (name == "utf-8" || name == "utf8" || name == "UTF-8") return Encoding::kUtf8;
  if (name == "cp1251" || name == "windows-1251" || name == "CP1251") return Encoding::kCp1251;
  return std::nullopt;
}

class Parser {
 public:
  explicit Parser(std::span<const char* const> arguments) : arguments_(arguments) {}

  std::variant<Options, UsageError> Parse() {
    Options options;
    bool command_seen = false;
    std::optional<std::string> check_file;
    while (next_ < arguments_.size()) {
      const std::string_view argument = arguments_[next_++];
      if (argument == "--help" || argument == "-h") {
        options.command = Command::kHelp;
        return options;
      }
      if (argument == "--version") {
        options.command = Command::kVersion;
        return options;
      }
      if (argument == "--save") {
        options.save = true;
      } else if (argument == "--explain") {
        options.explain = true;
      } else if (IsOption(argument, "--mind")) {
        const auto value = Value(argument, "--mind");
        if (!value) return error_;
        options.mind = *value;
      } else if (IsOption(argument, "--encoding")) {
        const auto value = Value(argument, "--encoding");
        if (!value) return error_;
        const auto encoding = ParseEncoding(*value);
        if (!encoding) return UsageError{"unknown encoding '" + *value + "'; use utf-8 or cp1251"};
        options.encoding = *encoding;
      } else if (argument.starts_with("-") && argument.size() > 1) {
        return UsageError{"unknown option '" + std::string(argument) + "'"};
      } else if (!command_seen && argument == "chat") {
        command_seen = true;
      } else if (!command_seen && argument == "check") {
        command_seen = true;
        options.command = Command::kCheck;
      } else if (options.command == Command::kCheck && !check_file) {
        check_file = argument;
      } else {
        return UsageError{"unexpected argument '" + std::string(argument) + "'"};
      }
    }
    if (options.command == Command::kCheck) {
      if (!check_file) return UsageError{"check needs a FILE"};
      if (options.save || options.explain || !options.mind.empty()) {
        return UsageError{"check takes a FILE, not --mind, --save or --explain"};
      }
      options.mind = *check_file;
    } else if (options.save && options.mind.empty()) {
      return UsageError{"--save needs --mind FILE; the bundled mind is never written"};
    }
    return options;
  }

 private:
  static bool IsOption(std::string_view argument, std::string_view name) {
    return argument == name || (argument.starts_with(name) && argument.size() > name.size() &&
                                argument[name.size()] == '=');
  }

  // The value of `--name VALUE` or `--name=VALUE`.
  std::optional<std::string> Value(std::string_view argument, std::string_view name) {
    std::string_view value;
    if (argument.size() > name.size()) {
      value = argument.substr(name.size() + 1);
    } else if (next_ < arguments_.size()) {
      value = arguments_[next_++];
    } else {
      error_ = UsageError{std::string(name) + " needs a value"};
      return std::nullopt;
    }
    if (value.empty()) {
      error_ = UsageError{std::string(name) + " needs a value"};
      return std::nullopt;
    }
    return std::string(value);
  }

  std::span<const char* const> arguments_;
  std::size_t next_ = 0;
  UsageError error_;
};

}  // namespace

std::variant<Options, UsageError> ParseOptions(std::span<const char* const> arguments) {
  return Parser(arguments).Parse();
}

}  // namespace chatmind::tool
