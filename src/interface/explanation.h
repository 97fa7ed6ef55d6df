#ifndef CHATMIND_INTERFACE_EXPLANATION_H_
#define CHATMIND_INTERFACE_EXPLANATION_H_

#include "chatmind/reply_explanation.hpp"
#include "mind/mind.h"
#include "reply/reply_trace.h"

namespace chatmind {

// Spells out `trace`, the decision of the reply just given, with the keys,
// entry and learned pair it refers to in `mind`. Call it before `mind`
// changes again.
ReplyExplanation Explain(const Mind& mind, const ReplyTrace& trace);

}  // namespace chatmind

#endif  // CHATMIND_INTERFACE_EXPLANATION_H_
