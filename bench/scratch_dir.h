#ifndef CHATMIND_BENCH_SCRATCH_DIR_H_
#define CHATMIND_BENCH_SCRATCH_DIR_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace chatmind::bench {

// A fresh directory for generated minds and saves, removed with its content
// at the end. It lies in /dev/shm where that exists, so that the engine's
// fsync on save costs nothing and saves are measured without the final
// sync; otherwise in the temporary directory (TMPDIR).
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string Path(std::string_view name) const;
  const std::filesystem::path& Root() const { return root_; }
  // Whether the directory lives in memory (tmpfs), where fsync is free.
  bool InMemory() const { return in_memory_; }

 private:
  std::filesystem::path root_;
  bool in_memory_ = false;
};

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_SCRATCH_DIR_H_
