#ifndef CHATMIND_TOOLS_OPTIONS_H_
#define CHATMIND_TOOLS_OPTIONS_H_

#include <span>
#include <string>
#include <variant>

#include "encoding.h"

namespace chatmind::tool {

enum class Command { kChat, kCheck, kHelp, kVersion };

struct Options {
  Command command = Command::kChat;
  std::string mind;  // chat: the mind file, empty for the bundled mind; check: the file
  bool save = false;
  bool explain = false;
  Encoding encoding = Encoding::kUtf8;
};

struct UsageError {
  std::string message;
};

// Reads the command line without the program name.
std::variant<Options, UsageError> ParseOptions(std::span<const char* const> arguments);

// The text of --help.
extern const char kUsage[];

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_OPTIONS_H_
