#ifndef CHATMIND_BENCH_RANDOM_H_
#define CHATMIND_BENCH_RANDOM_H_

#include <cstddef>
#include <cstdint>

namespace chatmind::bench {

// SplitMix64: the same numbers from the same seed on every platform and
// standard library, which the standard distributions do not promise.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

  // Uniform in [0, n); the modulo bias is far below what the generator cares about.
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }

  // Uniform in [low, high].
  std::size_t Between(std::size_t low, std::size_t high) { return low + Below(high - low + 1); }

  // Uniform in [0, 1).
  double Fraction() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

  // True with probability `percent` / 100.
  bool Percent(unsigned percent) { return Below(100) < percent; }

 private:
  std::uint64_t state_;
};

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_RANDOM_H_
