// Runs a fuzz target's entry point on saved inputs without libFuzzer, so
// that the seed corpus and every input that once failed run on each build.
//
// Usage: TARGET_replay FILE_OR_DIRECTORY...

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool AddInputs(const std::filesystem::path& path, std::vector<std::filesystem::path>& inputs) {
  std::error_code error;
  if (!std::filesystem::is_directory(path, error)) {
    inputs.push_back(path);
    return true;
  }
  for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    if (!AddInputs(argv[i], inputs)) {
      std::fprintf(stderr, "%s: cannot list %s\n", argv[0], argv[i]);
      return 2;
    }
  }
  // A fixed order, so that a failure is the same on every run.
  std::sort(inputs.begin(), inputs.end());
  for (const auto& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input.c_str());
      return 2;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    std::fprintf(stderr, "%s\n", input.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::fprintf(stderr, "%zu inputs replayed\n", inputs.size());
  return inputs.empty() ? 1 : 0;
}
