#ifndef CHATMIND_BENCH_REPLY_TIMING_H_
#define CHATMIND_BENCH_REPLY_TIMING_H_

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "bench_options.h"
#include "mind_generator.h"

namespace chatmind::bench {

// One engine's pass over the line mix, in line order.
struct ReplyRun {
  std::vector<double> micros;  // each reply's latency
  std::vector<std::string> replies;
  double seconds = 0;  // the sum of the latencies
};

// Answers `lines` in order, timing each reply on its own, until all are
// answered or `budget_seconds` have passed (after kMinTimedLines at least).
template <typename AnyEngine>
ReplyRun TimeReplies(AnyEngine& engine, const std::vector<BenchLine>& lines,
                     double budget_seconds) {
  using Clock = std::chrono::steady_clock;
  ReplyRun run;
  run.micros.reserve(lines.size());
  run.replies.reserve(lines.size());
  const Clock::time_point start = Clock::now();
  for (const BenchLine& line : lines) {
    const Clock::time_point before = Clock::now();
    const auto& reply = engine.GetReplyTo(line.text);
    const Clock::time_point after = Clock::now();
    run.replies.emplace_back(reply);
    const std::chrono::duration<double> taken = after - before;
    run.micros.push_back(taken.count() * 1e6);
    run.seconds += taken.count();
    const std::chrono::duration<double> elapsed = after - start;
    if (run.micros.size() >= kMinTimedLines && elapsed.count() > budget_seconds) break;
  }
  return run;
}

// The value below which `fraction` of `values` lie (nearest rank).
double Percentile(std::vector<double> values, double fraction);

// How much faster `engine` answered than `reference`: the ratio of their
// median latencies over the lines that both answered.
double Speedup(const ReplyRun& engine, const ReplyRun& reference);

// How many of the lines that both answered got different replies.
std::size_t Mismatches(const ReplyRun& engine, const ReplyRun& reference);

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_REPLY_TIMING_H_
