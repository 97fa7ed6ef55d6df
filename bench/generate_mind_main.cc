// chatmind-generate-mind PAIRS OUT [SEED]: writes a realistic mind of PAIRS
// phrase pairs, with the other records in proportion, to the file OUT.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "mind_generator.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s PAIRS OUT [SEED]\n", argv[0]);
    return 2;
  }
  try {
    const std::size_t pairs = std::stoull(argv[1]);
    const std::uint64_t seed = argc == 4 ? std::stoull(argv[3]) : 1;
    chatmind::bench::MindGenerator generator(seed);
    const std::uint64_t bytes = generator.WriteMind(chatmind::bench::ShapeFor(pairs), argv[2]);
    std::printf("%s: %zu phrase pairs, %llu bytes\n", argv[2], pairs,
                static_cast<unsigned long long>(bytes));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
    return 1;
  }
  return 0;
}
