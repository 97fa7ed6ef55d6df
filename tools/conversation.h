#ifndef CHATMIND_TOOLS_CONVERSATION_H_
#define CHATMIND_TOOLS_CONVERSATION_H_

#include <string>

#include "encoding.h"

namespace chatmind::tool {

struct ConversationSetup {
  std::string mind;      // the mind file to load
  bool save = false;     // write what was learned back to `mind` at the end
  bool bundled = false;  // `mind` is the bundled mind
  bool explain = false;  // explain each reply on standard error
  Encoding encoding = Encoding::kUtf8;
};

// Talks over standard input and output until the input ends, the user quits
// or an interrupt arrives; a terminal gets a prompt and commands, anything
// else one reply line per input line. Returns the exit status.
int RunConversation(const ConversationSetup& setup);

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_CONVERSATION_H_
