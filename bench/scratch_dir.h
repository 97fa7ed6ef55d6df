#ifndef CHATMIND_BENCH_SCRATCH_DIR_H_
#define CHATMIND_BENCH_SCRATCH_DIR_H_

#include <filesystem>

namespace chatmind::bench {

// Where generated minds and saves go: /dev/shm where it exists, so that the
// engine's fsync on save costs nothing and saves are measured without the
// final sync; otherwise the temporary directory (TMPDIR).
std::filesystem::path ScratchParent();

// Whether `path` lies in memory (tmpfs), where fsync is free.
bool InMemory(const std::filesystem::path& path);

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_SCRATCH_DIR_H_
