#ifndef CHATMIND_BENCH_PEAK_MEMORY_H_
#define CHATMIND_BENCH_PEAK_MEMORY_H_

#include <cstdint>
#include <optional>
#include <string>

namespace chatmind::bench {

// The flag that makes the benchmark program a probe: it loads the mind
// named by the next argument (none when empty) into a fresh engine, prints
// its peak resident memory in KiB and exits.
inline constexpr const char* kPeakMemoryProbeFlag = "--peak-memory-probe";

// Runs the probe in a new process of this program, so that nothing the
// benchmarks hold counts. Empty when the probe fails.
std::optional<std::uint64_t> ProbePeakKiB(const std::string& mind_path);

// The probe's side: returns the process's exit code.
int RunPeakMemoryProbe(const char* mind_path);

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_PEAK_MEMORY_H_
