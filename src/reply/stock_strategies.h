#ifndef CHATMIND_REPLY_STOCK_STRATEGIES_H_
#define CHATMIND_REPLY_STOCK_STRATEGIES_H_

#include <string>
#include <string_view>

#include "mind/mind.h"

namespace chatmind {

// Each strategy returns a reply for the normalized `text`, or an empty string
// when it has none. None returns a reply that is in ReplyHistory, and none
// changes `mind`.

// The reply of the first phrase pair whose key equals `text` byte for byte.
std::string MatchExactPhrase(const Mind& mind, std::string_view text);

// The first escape phrase not given since the last fallback; `text` unused.
std::string PickEscapePhrase(const Mind& mind, std::string_view text);

// The first initial phrase not given since the last fallback; `text` unused.
std::string PickInitialPhrase(const Mind& mind, std::string_view text);

}  // namespace chatmind

#endif  // CHATMIND_REPLY_STOCK_STRATEGIES_H_
