#ifndef CHATMIND_REPLY_COMPOSE_REPLY_H_
#define CHATMIND_REPLY_COMPOSE_REPLY_H_

#include <functional>
#include <string>
#include <string_view>

#include "mind/mind.h"
#include "reply/matcher.h"
#include "reply/reply_trace.h"

namespace chatmind {

// "Не понял.": the reply when no strategy answers and no other is set.
inline constexpr std::string_view kDefaultFallbackReply = "\xCD\xE5 \xEF\xEE\xED\xFF\xEB.";

// Returns the configured fallback reply; may be empty.
using FallbackReader = std::function<std::string()>;

// Answers one line of user text from `mind`: normalizes the text, asks the
// strategies in turn (exact phrase, indexed sentence, paren rules and brace
// rules through `matcher`, then the escape and initial phrases), falls back
// to `read_fallback` (or kDefaultFallbackReply when it gives nothing) and
// empties ReplyHistory when none answers, learns the pair (LastReply,
// normalized text), and records the reply in LastReply and ReplyHistory. A
// text of spaces only gets an empty reply and changes nothing. When `trace`
// is not null, it is set to how the reply was decided. When memory runs out
// (std::bad_alloc), the phrase lists keep their pairing. Returns
// mind.LastReply, so that a long reply is not copied once more.
const std::string& ComposeReply(Mind& mind, Matcher& matcher, std::string_view text,
                                const FallbackReader& read_fallback, ReplyTrace* trace = nullptr);

}  // namespace chatmind

#endif  // CHATMIND_REPLY_COMPOSE_REPLY_H_
