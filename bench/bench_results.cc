#include "bench_results.h"

#include <string>

namespace chatmind::bench {
namespace {

std::string Cell(std::optional<double> value, const char* format = "%.1f") {
  if (!value) return "-";
  char text[32];
  std::snprintf(text, sizeof text, format, *value);
  return text;
}

struct Latency {
  std::optional<double> p50, p99, lines;
};

Latency LatencyOf(const std::optional<ReplyRun>& run) {
  if (!run) return {};
  return {Percentile(run->micros, 0.5), Percentile(run->micros, 0.99),
          static_cast<double>(run->micros.size())};
}

}  // namespace

std::size_t BenchResults::PrintTable(std::FILE* out) const {
  std::size_t all_differing = 0;
  std::fprintf(out, "\n%9s %8s | %9s %9s %5s | %9s %9s %5s | %8s | %8s %8s | %8s %6s\n", "pairs",
               "file MB", "p50 us", "p99 us", "lines", "ref p50", "ref p99", "lines", "speedup",
               "load", "save", "peak MiB", "/file");
  for (const auto& [pairs, results] : by_size_) {
    const Latency engine = LatencyOf(results.engine);
    const Latency reference = LatencyOf(results.reference);
    std::optional<double> speedup;
    if (results.engine && results.reference) speedup = Speedup(*results.engine, *results.reference);
    std::fprintf(out, "%9zu %8s | %9s %9s %5s | %9s %9s %5s | %8s | %8s %8s | %8s %6s\n", pairs,
                 Cell(static_cast<double>(results.file_bytes) / 1e6).c_str(),
                 Cell(engine.p50).c_str(), Cell(engine.p99).c_str(),
                 Cell(engine.lines, "%.0f").c_str(), Cell(reference.p50).c_str(),
                 Cell(reference.p99).c_str(), Cell(reference.lines, "%.0f").c_str(),
                 Cell(speedup, "%.2fx").c_str(), Cell(results.load_mb_per_s).c_str(),
                 Cell(results.save_mb_per_s).c_str(), Cell(results.peak_mib).c_str(),
                 Cell(results.peak_file_ratio, "%.2f").c_str());
    if (results.engine && results.reference) {
      if (const std::size_t differ = Mismatches(*results.engine, *results.reference)) {
        std::fprintf(out, "%9s WARNING: %zu replies differ from the reference engine's\n", "",
                     differ);
        all_differing += differ;
      }
    }
  }
  return all_differing;
}

}  // namespace chatmind::bench
