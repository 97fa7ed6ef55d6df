#ifndef CHATMIND_TESTS_REFERENCE_PLAIN_LOOKUPS_H_
#define CHATMIND_TESTS_REFERENCE_PLAIN_LOOKUPS_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "mind/mind.h"

namespace chatmind::reference {

// True when `reply` is not empty and not in ReplyHistory, found by walking
// the history.
bool IsFreshByScan(const Mind& mind, std::string_view reply);

// Returns the last position i with keys[i] == a and replies[i] == b, or -1.
std::ptrdiff_t FindPair(std::string_view a, std::string_view b, const TextList& keys,
                        const TextList& replies);

// The reply of the first phrase pair whose key equals `text` byte for byte
// and whose reply is fresh; empty when there is none.
std::string MatchExactPhrase(const Mind& mind, std::string_view text);

}  // namespace chatmind::reference

#endif  // CHATMIND_TESTS_REFERENCE_PLAIN_LOOKUPS_H_
