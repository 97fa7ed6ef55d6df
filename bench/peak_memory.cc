#include "peak_memory.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string_view>

#include "chatmind/engine.hpp"

namespace chatmind::bench {
namespace {

// VmHWM of /proc/self/status: the peak resident set size, in KiB.
std::optional<std::uint64_t> OwnPeakKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    constexpr std::string_view kField = "VmHWM:";
    if (line.starts_with(kField)) return std::stoull(line.substr(kField.size()));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> ProbePeakKiB(const std::string& mind_path) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(pipe_ends[1], STDOUT_FILENO);
    ::close(pipe_ends[0]);
    ::close(pipe_ends[1]);
    const char* arguments[] = {"chatmind-bench", kPeakMemoryProbeFlag, mind_path.c_str(), nullptr};
    ::execv("/proc/self/exe", const_cast<char* const*>(arguments));
    ::_exit(127);
  }
  ::close(pipe_ends[1]);
  std::string output;
  char chunk[256];
  for (ssize_t got; (got = ::read(pipe_ends[0], chunk, sizeof chunk)) > 0;) {
    output.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(pipe_ends[0]);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0 || output.empty()) {
    return std::nullopt;
  }
  return std::stoull(output);
}

int RunPeakMemoryProbe(const char* mind_path) {
  Engine engine("");
  if (*mind_path && !engine.LoadMind(mind_path)) return 1;
  const std::optional<std::uint64_t> peak = OwnPeakKiB();
  if (!peak) return 1;
  std::printf("%llu\n", static_cast<unsigned long long>(*peak));
  return 0;
}

}  // namespace chatmind::bench
