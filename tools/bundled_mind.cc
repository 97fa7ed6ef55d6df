#include "bundled_mind.h"

#include <filesystem>
#include <system_error>

namespace chatmind::tool {

std::optional<std::string> FindBundledMind() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  // CHATMIND_INSTALLED_MIND is the installed mind's path relative to the
  // installed program, so that the installation can be moved as a whole.
  for (const fs::path& candidate :
       {program.parent_path() / "default.mind", program.parent_path() / CHATMIND_INSTALLED_MIND}) {
    if (fs::is_regular_file(candidate, error)) return candidate.lexically_normal().string();
  }
  return std::nullopt;
}

}  // namespace chatmind::tool
