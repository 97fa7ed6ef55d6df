#ifndef CHATMIND_TEXT_STRING_LIST_H_
#define CHATMIND_TEXT_STRING_LIST_H_

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace chatmind {

// An ordered list of Windows-1251 byte strings; duplicates allowed.
using StringList = std::vector<std::string>;

// Returns the position of the first element of `list` (a StringList or a
// TextList) equal to `text` (whole string, byte for byte), or -1 when there
// is none.
template <class List>
std::ptrdiff_t FindString(std::string_view text, const List& list) {
  const auto found = std::find(list.begin(), list.end(), text);
  return found == list.end() ? -1 : found - list.begin();
}

}  // namespace chatmind

#endif  // CHATMIND_TEXT_STRING_LIST_H_
