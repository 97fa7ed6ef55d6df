#ifndef CHATMIND_TOOLS_BUNDLED_MIND_H_
#define CHATMIND_TOOLS_BUNDLED_MIND_H_

#include <optional>
#include <string>

namespace chatmind::tool {

// The path of the mind that comes with the program: next to the program in
// a build tree, or in the data directory of the installation that holds it.
std::optional<std::string> FindBundledMind();

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_BUNDLED_MIND_H_
