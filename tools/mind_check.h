#ifndef CHATMIND_TOOLS_MIND_CHECK_H_
#define CHATMIND_TOOLS_MIND_CHECK_H_

#include <string>
#include <string_view>
#include <vector>

namespace chatmind::tool {

// Something in a mind file that its author most likely did not mean.
struct Finding {
  long line;            // 1-based
  std::string message;  // UTF-8, quoting the file's own text
};

struct CheckReport {
  std::vector<Finding> findings;     // in line order
  std::vector<std::string> summary;  // what each list holds, UTF-8
};

// Reads the bytes of a mind file as the engine would and reports what looks
// unintended. Changes nothing.
CheckReport CheckMind(std::string_view bytes);

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_MIND_CHECK_H_
