#include "text/string_list.h"

#include <algorithm>

namespace chatmind {

void ReserveForAppend(StringList& list, std::size_t extra) {
  const std::size_t needed = list.size() + extra;
  if (needed > list.capacity()) list.reserve(std::max(needed, 2 * list.capacity()));
}

}  // namespace chatmind
