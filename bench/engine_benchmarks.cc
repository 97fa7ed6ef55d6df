#include "engine_benchmarks.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "chatmind/engine.hpp"
#include "peak_memory.h"
#include "reference/reference_engine.h"

namespace chatmind::bench {
namespace {

// The settings file is never there: every fallback is the default reply,
// as the reference engine's.
std::string AbsentSettings(const BenchContext& context) {
  return context.scratch.Path("absent.INI");
}

void Fail(benchmark::State& state, BenchContext& context, const char* why) {
  state.SkipWithError(why);
  context.failed = true;
}

template <typename Action>
double SecondsOf(Action&& action) {
  const auto before = std::chrono::steady_clock::now();
  action();
  const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - before;
  return taken.count();
}

// The mind of `pairs` phrase pairs, whose size the table shows.
const BenchMind& MindFor(BenchContext& context, std::size_t pairs) {
  const BenchMind& mind = context.minds.Get(pairs);
  context.results.For(pairs).file_bytes = mind.bytes;
  return mind;
}

// A fresh engine per size that has loaded the mind once answers the mix.
template <typename AnyEngine>
void Replies(benchmark::State& state, BenchContext& context, std::size_t pairs,
             std::optional<ReplyRun> SizeResults::*slot, AnyEngine engine) {
  const BenchMind& mind = MindFor(context, pairs);
  SizeResults& results = context.results.For(pairs);
  for (auto _ : state) {
    if (!engine.LoadMind(mind.path)) {
      Fail(state, context, "the mind did not load");
      return;
    }
    results.*slot = TimeReplies(engine, mind.lines, context.options.reply_seconds);
    state.SetIterationTime((results.*slot)->seconds);
  }
  const ReplyRun& run = *(results.*slot);
  state.counters["p50_us"] = Percentile(run.micros, 0.5);
  state.counters["p99_us"] = Percentile(run.micros, 0.99);
  state.counters["lines"] = static_cast<double>(run.micros.size());
  if (slot == &SizeResults::reference && results.engine) {
    state.counters["speedup"] = Speedup(*results.engine, run);
    state.counters["mismatches"] = static_cast<double>(Mismatches(*results.engine, run));
  }
}

void Load(benchmark::State& state, BenchContext& context, std::size_t pairs) {
  const BenchMind& mind = MindFor(context, pairs);
  double seconds = 0;
  for (auto _ : state) {
    auto engine = std::make_unique<Engine>(AbsentSettings(context));
    bool loaded = false;
    const double taken = SecondsOf([&] { loaded = engine->LoadMind(mind.path); });
    if (!loaded) {
      Fail(state, context, "the mind did not load");
      return;
    }
    state.SetIterationTime(taken);
    seconds += taken;
  }
  const double mb_per_s =
      static_cast<double>(mind.bytes) * static_cast<double>(state.iterations()) / seconds / 1e6;
  state.counters["MB_per_s"] = mb_per_s;
  context.results.For(pairs).load_mb_per_s = mb_per_s;
}

// A save unloads the mind, so it is loaded again, untimed, before each.
void Save(benchmark::State& state, BenchContext& context, std::size_t pairs) {
  const BenchMind& mind = MindFor(context, pairs);
  const std::string target = context.scratch.Path("saved-" + std::to_string(pairs) + ".mind");
  Engine engine(AbsentSettings(context));
  double seconds = 0;
  for (auto _ : state) {
    bool saved = false;
    const double taken =
        engine.LoadMind(mind.path) ? SecondsOf([&] { saved = engine.SaveMind(target); }) : 0;
    if (!saved) {
      Fail(state, context, "the mind did not load or save");
      return;
    }
    state.SetIterationTime(taken);
    seconds += taken;
  }
  const double mb_per_s = static_cast<double>(std::filesystem::file_size(target)) *
                          static_cast<double>(state.iterations()) / seconds / 1e6;
  std::filesystem::remove(target);
  state.counters["MB_per_s"] = mb_per_s;
  context.results.For(pairs).save_mb_per_s = mb_per_s;
}

// The peak resident memory of a process that loaded the mind, less that of
// a process with an empty engine.
void PeakMemory(benchmark::State& state, BenchContext& context, std::size_t pairs) {
  const BenchMind& mind = MindFor(context, pairs);
  std::optional<std::uint64_t> baseline, peak;
  for (auto _ : state) {
    state.SetIterationTime(SecondsOf([&] {
      baseline = ProbePeakKiB("");
      peak = ProbePeakKiB(mind.path);
    }));
  }
  if (!baseline || !peak) {
    Fail(state, context, "the memory probe failed");
    return;
  }
  const double bytes = static_cast<double>(*peak - std::min(*peak, *baseline)) * 1024;
  SizeResults& results = context.results.For(pairs);
  results.peak_mib = bytes / (1024 * 1024);
  results.peak_file_ratio = bytes / static_cast<double>(mind.bytes);
  state.counters["peak_MiB"] = *results.peak_mib;
  state.counters["peak_per_file_byte"] = *results.peak_file_ratio;
}

template <typename Run>
benchmark::internal::Benchmark* Register(const std::string& name, std::size_t pairs, Run run) {
  return benchmark::RegisterBenchmark((name + "/" + std::to_string(pairs)).c_str(),
                                      [run, pairs](benchmark::State& state) { run(state, pairs); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

void RegisterEngineBenchmarks(BenchContext& context) {
  const std::vector<std::size_t>& sizes = context.options.sizes;
  for (std::size_t pairs : sizes) {
    Register("reply/engine", pairs, [&context](benchmark::State& state, std::size_t n) {
      Replies(state, context, n, &SizeResults::engine, Engine(AbsentSettings(context)));
    })->Iterations(1);
  }
  for (std::size_t pairs : sizes) {
    if (pairs > context.options.reference_max_pairs) continue;
    Register("reply/reference", pairs, [&context](benchmark::State& state, std::size_t n) {
      Replies(state, context, n, &SizeResults::reference, reference::ReferenceEngine());
    })->Iterations(1);
  }
  for (std::size_t pairs : sizes) {
    Register("load", pairs,
             [&context](benchmark::State& state, std::size_t n) { Load(state, context, n); });
  }
  for (std::size_t pairs : sizes) {
    Register("save", pairs,
             [&context](benchmark::State& state, std::size_t n) { Save(state, context, n); });
  }
  for (std::size_t pairs : sizes) {
    Register("peak_memory", pairs, [&context](benchmark::State& state, std::size_t n) {
      PeakMemory(state, context, n);
    })->Iterations(1);
  }
}

}  // namespace chatmind::bench
