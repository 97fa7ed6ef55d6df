#ifndef CHATMIND_BENCH_BENCH_MINDS_H_
#define CHATMIND_BENCH_BENCH_MINDS_H_

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "mind_generator.h"
#include "support/test_support.h"

namespace chatmind::bench {

struct BenchMind {
  std::string path;
  std::uint64_t bytes = 0;
  std::vector<BenchLine> lines;
};

// The generated minds of one run, each written once, when first asked for.
class BenchMinds {
 public:
  BenchMinds(const test::TempDir& dir, std::uint64_t seed, std::size_t lines)
      : dir_(dir), seed_(seed), lines_(lines) {}

  const BenchMind& Get(std::size_t pairs);

 private:
  const test::TempDir& dir_;
  std::uint64_t seed_;
  std::size_t lines_;
  std::map<std::size_t, BenchMind> minds_;
};

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_BENCH_MINDS_H_
