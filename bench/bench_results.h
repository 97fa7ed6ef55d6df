#ifndef CHATMIND_BENCH_BENCH_RESULTS_H_
#define CHATMIND_BENCH_BENCH_RESULTS_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>

#include "reply_timing.h"

namespace chatmind::bench {

// What the benchmarks measured on one mind.
struct SizeResults {
  std::uint64_t file_bytes = 0;
  std::optional<ReplyRun> engine;
  std::optional<ReplyRun> reference;
  std::optional<double> load_mb_per_s;
  std::optional<double> save_mb_per_s;
  std::optional<double> peak_mib;         // above an empty engine's process
  std::optional<double> peak_file_ratio;  // peak_mib over the file's size
};

// The figures of a run, by mind size, for the table at its end.
class BenchResults {
 public:
  SizeResults& For(std::size_t pairs) { return by_size_[pairs]; }

  // One row per mind: latencies in microseconds, throughput in MB/s
  // (10^6 bytes), memory in MiB. Returns how many replies of the shipped
  // engine differed from the reference engine's, which voids its figures.
  std::size_t PrintTable(std::FILE* out) const;

 private:
  std::map<std::size_t, SizeResults> by_size_;
};

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_BENCH_RESULTS_H_
