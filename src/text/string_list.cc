#include "text/string_list.h"

#include <algorithm>

namespace chatmind {

std::ptrdiff_t FindString(std::string_view text, const StringList& list) {
  const auto found = std::find(list.begin(), list.end(), text);
  return found == list.end() ? -1 : found - list.begin();
}

void ReserveForAppend(StringList& list, std::size_t extra) {
  const std::size_t needed = list.size() + extra;
  if (needed > list.capacity()) list.reserve(std::max(needed, 2 * list.capacity()));
}

}  // namespace chatmind
