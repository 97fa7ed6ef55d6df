#include "zipf_sampler.h"

#include <cmath>

namespace chatmind::bench {

ZipfSampler::ZipfSampler(std::size_t n, double s) : keep_(n), alias_(n) {
  std::vector<double> scaled(n);
  double total = 0;
  for (std::size_t rank = 0; rank < n; ++rank) {
    scaled[rank] = 1.0 / std::pow(static_cast<double>(rank + 1), s);
    total += scaled[rank];
  }
  std::vector<std::uint32_t> small, large;
  for (std::size_t rank = 0; rank < n; ++rank) {
    scaled[rank] *= static_cast<double>(n) / total;
    (scaled[rank] < 1.0 ? small : large).push_back(static_cast<std::uint32_t>(rank));
  }
  while (!small.empty() && !large.empty()) {
    const std::uint32_t low = small.back();
    const std::uint32_t high = large.back();
    small.pop_back();
    keep_[low] = scaled[low];
    alias_[low] = high;
    scaled[high] -= 1.0 - scaled[low];
    if (scaled[high] < 1.0) {
      large.pop_back();
      small.push_back(high);
    }
  }
  // What is left holds probability 1 up to rounding.
  for (std::uint32_t rank : small) keep_[rank] = 1.0, alias_[rank] = rank;
  for (std::uint32_t rank : large) keep_[rank] = 1.0, alias_[rank] = rank;
}

std::size_t ZipfSampler::Sample(Random& random) const {
  const std::size_t column = random.Below(keep_.size());
  return random.Fraction() < keep_[column] ? column : alias_[column];
}

}  // namespace chatmind::bench
