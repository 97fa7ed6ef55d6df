#ifndef CHATMIND_TOOLS_EXPLAIN_H_
#define CHATMIND_TOOLS_EXPLAIN_H_

#include <string>

#include "chatmind/reply_explanation.hpp"
#include "encoding.h"

namespace chatmind::tool {

// The lines that --explain writes after a reply: which strategy answered and
// what it matched, then what was learned; in the user's encoding, each line
// ended by a line feed.
std::string DescribeExplanation(const ReplyExplanation& explanation, Codec& codec);

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_EXPLAIN_H_
