#ifndef CHATMIND_REPLY_FRESH_REPLY_H_
#define CHATMIND_REPLY_FRESH_REPLY_H_

#include <string_view>

#include "mind/mind.h"

namespace chatmind {

// True when `reply` may be given now: it is not empty and has not been
// given since the last fallback (it is not in ReplyHistory). Every strategy
// tests each candidate with it and passes over the stale ones.
inline bool IsFreshReply(const Mind& mind, std::string_view reply) {
  return !reply.empty() && !mind.ReplyHistory.Contains(reply);
}

}  // namespace chatmind

#endif  // CHATMIND_REPLY_FRESH_REPLY_H_
