#ifndef CHATMIND_TOOLS_CHECK_H_
#define CHATMIND_TOOLS_CHECK_H_

#include <string>

#include "encoding.h"

namespace chatmind::tool {

// `chatmind check FILE`: prints what the mind file at `path` most likely
// holds by mistake, then a summary, in `encoding`. Returns 0 when there is
// nothing to report, 1 when there are warnings, 2 when the file cannot be read.
int RunCheck(const std::string& path, Encoding encoding);

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_CHECK_H_
