#ifndef CHATMIND_BENCH_BENCH_OPTIONS_H_
#define CHATMIND_BENCH_BENCH_OPTIONS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace chatmind::bench {

// What a benchmark run covers; each has a command-line flag.
struct BenchOptions {
  // --sizes=1000,10000: the minds' numbers of phrase pairs.
  std::vector<std::size_t> sizes = {1000, 10000, 100000, 1000000};
  // --lines=N: lines in the mix that each engine answers.
  std::size_t lines = 1000;
  // --reply-seconds=S: an engine stops answering the mix after this long
  // (but answers at least kMinTimedLines), so a slow engine still finishes.
  double reply_seconds = 15;
  // --reference-max-pairs=N: the reference engine runs on minds up to this size.
  std::size_t reference_max_pairs = 100000;
  // --seed=N: the seed of the minds and lines.
  std::uint64_t seed = 1;
};

inline constexpr std::size_t kMinTimedLines = 20;

// Reads and removes our flags from argv, leaving Google Benchmark's. Throws
// std::invalid_argument on a malformed value.
BenchOptions ParseBenchOptions(int& argc, char** argv);

// The flags, for --help.
std::string BenchOptionsUsage();

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_BENCH_OPTIONS_H_
