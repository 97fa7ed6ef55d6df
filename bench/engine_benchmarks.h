#ifndef CHATMIND_BENCH_ENGINE_BENCHMARKS_H_
#define CHATMIND_BENCH_ENGINE_BENCHMARKS_H_

#include <utility>

#include "bench_minds.h"
#include "bench_options.h"
#include "bench_results.h"
#include "scratch_dir.h"
#include "support/test_support.h"

namespace chatmind::bench {

// What the benchmarks of one run share: the minds, a place for files, and
// the figures for the closing table.
struct BenchContext {
  explicit BenchContext(BenchOptions chosen)
      : options(std::move(chosen)), minds(scratch, options.seed, options.lines) {}

  BenchOptions options;
  test::TempDir scratch{ScratchParent()};
  BenchMinds minds;
  BenchResults results;
  // Set when a benchmark could not measure: a mind did not load or save, or
  // the memory probe failed.
  bool failed = false;
};

// Registers, for every size of the options: reply latency of the shipped
// engine and of the reference engine (up to its largest size), load and save
// throughput, and the peak memory of a loaded mind.
void RegisterEngineBenchmarks(BenchContext& context);

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_ENGINE_BENCHMARKS_H_
