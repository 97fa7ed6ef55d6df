// chatmind: talk with a mind in the terminal or through a pipe, and check
// mind files.
#include <exception>
#include <iostream>
#include <span>
#include <variant>

#include "bundled_mind.h"
#include "check.h"
#include "conversation.h"
#include "options.h"

namespace {

using chatmind::tool::Command;
using chatmind::tool::Options;

int Chat(const Options& options) {
  chatmind::tool::ConversationSetup setup{options.mind, options.save, false, options.explain,
                                          options.encoding};
  if (setup.mind.empty()) {
    const auto bundled = chatmind::tool::FindBundledMind();
    if (!bundled) {
      std::cerr << "chatmind: default.mind: the bundled mind is not installed next to the "
                   "program; use chatmind chat --mind FILE\n";
      return 1;
    }
    setup.mind = *bundled;
    setup.bundled = true;
  }
  return chatmind::tool::RunConversation(setup);
}

int Run(std::span<const char* const> arguments) {
  const auto parsed = chatmind::tool::ParseOptions(arguments);
  if (const auto* error = std::get_if<chatmind::tool::UsageError>(&parsed)) {
    std::cerr << "chatmind: " << error->message << "; chatmind --help shows the usage\n";
    return 2;
  }
  const Options& options = std::get<Options>(parsed);
  switch (options.command) {
    case Command::kHelp:
      std::cout << chatmind::tool::kUsage;
      return 0;
    case Command::kVersion:
      std::cout << "chatmind " << CHATMIND_VERSION << "\n";
      return 0;
    case Command::kCheck:
      return chatmind::tool::RunCheck(options.mind, options.encoding);
    case Command::kChat:
      break;
  }
  return Chat(options);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
  } catch (const std::exception& error) {
    std::cerr << "chatmind: " << error.what() << "\n";
    return 1;
  }
}
