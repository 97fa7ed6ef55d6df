#include "scratch_dir.h"

#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <system_error>

namespace chatmind::bench {

std::filesystem::path ScratchParent() {
  const std::filesystem::path shared_memory = "/dev/shm";
  std::error_code error;
  if (std::filesystem::is_directory(shared_memory, error) &&
      ::access(shared_memory.c_str(), W_OK) == 0) {
    return shared_memory;
  }
  return std::filesystem::temp_directory_path();
}

bool InMemory(const std::filesystem::path& path) {
  struct statfs status;
  return ::statfs(path.c_str(), &status) == 0 && status.f_type == TMPFS_MAGIC;
}

}  // namespace chatmind::bench
