#include "reply_timing.h"

#include <algorithm>
#include <cmath>

namespace chatmind::bench {

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  const auto rank =
      static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
  const std::size_t index = std::clamp<std::size_t>(rank, 1, values.size()) - 1;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(index),
                   values.end());
  return values[index];
}

double Speedup(const ReplyRun& engine, const ReplyRun& reference) {
  const std::size_t common = std::min(engine.micros.size(), reference.micros.size());
  const auto prefix = [common](const ReplyRun& run) {
    return std::vector<double>(run.micros.begin(),
                               run.micros.begin() + static_cast<std::ptrdiff_t>(common));
  };
  return Percentile(prefix(reference), 0.5) / Percentile(prefix(engine), 0.5);
}

std::size_t Mismatches(const ReplyRun& engine, const ReplyRun& reference) {
  const std::size_t common = std::min(engine.replies.size(), reference.replies.size());
  std::size_t different = 0;
  for (std::size_t i = 0; i < common; ++i) different += engine.replies[i] != reference.replies[i];
  return different;
}

}  // namespace chatmind::bench
