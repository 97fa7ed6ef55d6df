#ifndef CHATMIND_REPLY_STOCK_STRATEGIES_H_
#define CHATMIND_REPLY_STOCK_STRATEGIES_H_

#include <string>

#include "mind/mind.h"

namespace chatmind {

// The first escape phrase not given since the last fallback, or an empty
// string when every one has been given.
std::string PickEscapePhrase(const Mind& mind);

// The first initial phrase not given since the last fallback, or an empty
// string when every one has been given.
std::string PickInitialPhrase(const Mind& mind);

}  // namespace chatmind

#endif  // CHATMIND_REPLY_STOCK_STRATEGIES_H_
