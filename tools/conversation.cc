#include "conversation.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>
#include <variant>

#include "chatmind/engine.hpp"
#include "explain.h"
#include "interrupt.h"
#include "line_reader.h"

namespace chatmind::tool {
namespace {

// Like a library host, the program reads its fallback reply from a settings
// file named after it in the current directory.
constexpr const char* kSettingsFile = "chatmind.INI";

constexpr const char* kHelp =
    "Type in Russian and press Enter. Commands:\n"
    "  /save [FILE]  write what is known now (to FILE, or to the mind file with --save)\n"
    "  /help         this text\n"
    "  /quit         end the conversation (so do Ctrl-D and Ctrl-C)\n";

class Conversation {
 public:
  explicit Conversation(const ConversationSetup& setup)
      : setup_(setup), codec_(setup.encoding), engine_(kSettingsFile) {
    engine_.SetExplaining(setup.explain);
  }

  bool Load() { return engine_.LoadMind(setup_.mind); }

  // Everything the engine is told goes through here: the reply to one user
  // line in the user's encoding, or nothing when the line cannot be put into
  // Windows-1251 (then `problem` says why, and the engine never sees it).
  std::optional<std::string> Answer(std::string_view line, std::string& problem) {
    auto text = codec_.ToEngine(line);
    if (const auto* unconvertible = std::get_if<Unconvertible>(&text)) {
      problem = unconvertible->reason;
      return std::nullopt;
    }
    std::string reply = codec_.ToUser(engine_.GetReplyTo(std::get<std::string>(text)));
    if (setup_.explain) std::cerr << DescribeExplanation(engine_.LastExplanation(), codec_);
    return reply;
  }

  // Writes the mind to `path`. A save unloads what it wrote, so the
  // conversation goes on over the file just written; what was said stays
  // given.
  bool SaveAndReload(const std::string& path) {
    return engine_.SaveMind(path) && engine_.LoadMind(path);
  }

  bool SaveAtEnd() { return engine_.SaveMind(setup_.mind); }

  const ConversationSetup& setup() const { return setup_; }

 private:
  ConversationSetup setup_;
  Codec codec_;
  Engine engine_;
};

// Piped use: one output line for every input line, so that a script can pair
// them; problems go to standard error with the input line's number.
void Pipe(Conversation& conversation) {
  auto reader = MakeStreamReader();
  std::string problem;
  for (long number = 1;; ++number) {
    const auto line = reader->ReadLine();
    if (!line) break;
    const auto reply = conversation.Answer(*line, problem);
    if (!reply) std::cerr << "chatmind: line " << number << ": not sent: " << problem << "\n";
    std::cout << reply.value_or("") << std::endl;
  }
}

void SaveCommand(Conversation& conversation, std::string_view argument) {
  const ConversationSetup& setup = conversation.setup();
  std::string path(argument);
  if (path.empty()) {
    if (!setup.save) {
      std::cout << (setup.bundled ? "The bundled mind is never written"
                                  : "Started without --save, so the mind file is never written")
                << "; /save FILE writes what is known to FILE.\n";
      return;
    }
    path = setup.mind;
  }
  if (conversation.SaveAndReload(path)) {
    std::cout << "Saved to " << path << ".\n";
  } else {
    std::cerr << "chatmind: " << path << ": cannot write the mind file\n";
  }
}

// A terminal: prompt, line editing, commands. Returns false on /quit.
bool Command(Conversation& conversation, std::string_view line) {
  const std::string_view name = line.substr(0, line.find(' '));
  std::string_view argument = line.substr(name.size());
  argument.remove_prefix(std::min(argument.find_first_not_of(' '), argument.size()));
  if (name == "/quit") return false;
  if (name == "/help") {
    std::cout << kHelp;
  } else if (name == "/save") {
    SaveCommand(conversation, argument);
  } else {
    std::cout << "Unknown command " << name << "; /help lists the commands.\n";
  }
  return true;
}

void Talk(Conversation& conversation) {
  const ConversationSetup& setup = conversation.setup();
  std::cout << "chatmind: talking with " << (setup.bundled ? "the bundled mind" : setup.mind)
            << (setup.save ? "; what it learns is saved at the end.\n"
                           : "; nothing it learns is saved.\n")
            << kHelp << std::flush;
  auto reader = setup.encoding == Encoding::kUtf8 ? MakeTerminalReader("> ") : MakeStreamReader();
  std::string problem;
  while (const auto line = reader->ReadLine()) {
    if (line->starts_with('/')) {
      if (!Command(conversation, *line)) return;
      continue;
    }
    // An Enter alone teaches the engine nothing worth keeping.
    if (line->empty()) continue;
    if (const auto reply = conversation.Answer(*line, problem)) {
      std::cout << *reply << std::endl;
    } else {
      std::cerr << "Not sent, nothing learned: " << problem << ".\n";
    }
  }
  std::cout << std::endl;
}

}  // namespace

int RunConversation(const ConversationSetup& setup) {
  Conversation conversation(setup);
  if (!conversation.Load()) {
    std::error_code error;
    std::cerr << "chatmind: " << setup.mind << ": "
              << (std::filesystem::exists(setup.mind, error) ? "cannot read the mind file"
                                                             : "no such file")
              << "\n";
    return 1;
  }
  CatchInterrupts();
  if (isatty(STDIN_FILENO)) {
    Talk(conversation);
  } else {
    Pipe(conversation);
  }
  if (setup.save && !conversation.SaveAtEnd()) {
    std::cerr << "chatmind: " << setup.mind << ": cannot write the mind file\n";
    return 1;
  }
  return 0;
}

}  // namespace chatmind::tool
