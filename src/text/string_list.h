#ifndef CHATMIND_TEXT_STRING_LIST_H_
#define CHATMIND_TEXT_STRING_LIST_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace chatmind {

// An ordered list of Windows-1251 byte strings; duplicates allowed.
using StringList = std::vector<std::string>;

// Returns the position of the first element of `list` equal to `text`
// (whole string, byte for byte), or -1 when there is none.
std::ptrdiff_t FindString(std::string_view text, const StringList& list);

// Makes room for `extra` more elements, growing geometrically so that
// repeated appends stay amortized O(1). Throws std::bad_alloc and then
// leaves `list` unchanged.
void ReserveForAppend(StringList& list, std::size_t extra);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_STRING_LIST_H_
