#include "scratch_dir.h"

#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace chatmind::bench {
namespace {

std::filesystem::path Parent() {
  const std::filesystem::path shared_memory = "/dev/shm";
  std::error_code error;
  if (std::filesystem::is_directory(shared_memory, error) &&
      ::access(shared_memory.c_str(), W_OK) == 0) {
    return shared_memory;
  }
  return std::filesystem::temp_directory_path();
}

}  // namespace

ScratchDir::ScratchDir() {
  std::string pattern = (Parent() / "chatmind-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
  root_ = pattern;
  struct statfs status;
  in_memory_ = ::statfs(root_.c_str(), &status) == 0 && status.f_type == TMPFS_MAGIC;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string ScratchDir::Path(std::string_view name) const { return (root_ / name).string(); }

}  // namespace chatmind::bench
