#include "bench_options.h"

#include <stdexcept>
#include <string_view>

namespace chatmind::bench {
namespace {

std::size_t Count(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    throw std::invalid_argument("not a count: '" + std::string(text) + "'");
  }
  return std::stoull(std::string(text));
}

std::vector<std::size_t> Sizes(std::string_view text) {
  std::vector<std::size_t> sizes;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    sizes.push_back(Count(text.substr(0, comma)));
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  if (sizes.empty()) throw std::invalid_argument("--sizes needs at least one size");
  return sizes;
}

}  // namespace

BenchOptions ParseBenchOptions(int& argc, char** argv) {
  BenchOptions options;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    const std::string_view value = equals == std::string_view::npos ? "" : arg.substr(equals + 1);
    if (name == "--sizes") {
      options.sizes = Sizes(value);
    } else if (name == "--lines") {
      options.lines = Count(value);
    } else if (name == "--reply-seconds") {
      options.reply_seconds = std::stod(std::string(value));
    } else if (name == "--reference-max-pairs") {
      options.reference_max_pairs = Count(value);
    } else if (name == "--seed") {
      options.seed = Count(value);
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return options;
}

std::string BenchOptionsUsage() {
  return "  --sizes=N,N,...            phrase pairs of the minds (1000,10000,100000,1000000)\n"
         "  --lines=N                  lines in the mix each engine answers (1000)\n"
         "  --reply-seconds=S          an engine stops answering after S seconds,\n"
         "                             having answered at least 20 lines (15)\n"
         "  --reference-max-pairs=N    largest mind the reference engine runs on (100000)\n"
         "  --seed=N                   seed of the minds and lines (1)\n";
}

}  // namespace chatmind::bench
