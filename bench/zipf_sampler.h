#ifndef CHATMIND_BENCH_ZIPF_SAMPLER_H_
#define CHATMIND_BENCH_ZIPF_SAMPLER_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "random.h"

namespace chatmind::bench {

// Draws ranks 0..n-1 with probability proportional to 1 / (rank + 1)^s, in
// constant time per draw (Vose's alias method): a million-pair mind needs
// tens of millions of words.
class ZipfSampler {
 public:
  ZipfSampler(std::size_t n, double s);

  std::size_t Sample(Random& random) const;

 private:
  std::vector<double> keep_;  // chance of keeping the column's own rank
  std::vector<std::uint32_t> alias_;
};

}  // namespace chatmind::bench

#endif  // CHATMIND_BENCH_ZIPF_SAMPLER_H_
