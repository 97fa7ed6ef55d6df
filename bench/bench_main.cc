// chatmind-bench: reply latency, load and save throughput and peak memory of
// the shipped engine on generated minds, beside the reference engine, with
// a table of the figures at the end. Google Benchmark's flags work as usual.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <string_view>

#include "engine_benchmarks.h"
#include "peak_memory.h"
#include "scratch_dir.h"

namespace chatmind::bench {
namespace {

void PrintPreamble(const BenchContext& context) {
  std::printf("Minds and saves in %s (%s).\nLine mix:", context.scratch.Root().c_str(),
              InMemory(context.scratch.Root())
                  ? "tmpfs: the engine's fsync on save costs nothing, so save figures are "
                    "without the final sync"
                  : "not tmpfs: save figures include the engine's fsync");
  for (std::size_t kind = 0; kind < kLineKinds; ++kind) {
    std::printf(" %.0f%% %s%s", kDefaultLineMix[kind] * 100,
                std::string(LineKindName(static_cast<LineKind>(kind))).c_str(),
                kind + 1 < kLineKinds ? "," : ".\n");
  }
  std::fflush(stdout);
}

}  // namespace
}  // namespace chatmind::bench

int main(int argc, char** argv) {
  using namespace chatmind::bench;
  if (argc == 3 && std::string_view(argv[1]) == kPeakMemoryProbeFlag) {
    return RunPeakMemoryProbe(argv[2]);
  }
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") {
      std::printf("chatmind-bench\n%s", BenchOptionsUsage().c_str());
    }
  }
  BenchOptions options;
  try {
    options = ParseBenchOptions(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n%s", argv[0], error.what(), BenchOptionsUsage().c_str());
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  BenchContext context(options);
  PrintPreamble(context);
  RegisterEngineBenchmarks(context);
  benchmark::RunSpecifiedBenchmarks();
  const std::size_t differing = context.results.PrintTable(stdout);
  benchmark::Shutdown();
  return context.failed || differing > 0 ? 1 : 0;
}
