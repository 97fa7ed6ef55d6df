#include "bench_minds.h"

namespace chatmind::bench {

const BenchMind& BenchMinds::Get(std::size_t pairs) {
  auto found = minds_.find(pairs);
  if (found != minds_.end()) return found->second;
  BenchMind mind;
  mind.path = dir_.Path(std::to_string(pairs) + ".mind");
  MindGenerator generator(seed_);
  mind.bytes = generator.WriteMind(ShapeFor(pairs), mind.path);
  mind.lines = generator.MakeLines(lines_);
  return minds_.emplace(pairs, std::move(mind)).first->second;
}

}  // namespace chatmind::bench
