#ifndef CHATMIND_FUZZ_FUZZ_CHECK_H_
#define CHATMIND_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

namespace chatmind::fuzz {

// Stops the run when a property the engine relies on does not hold, so that
// libFuzzer keeps the input and the replay program fails on it.
inline void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property does not hold: %s\n", property);
  std::abort();
}

}  // namespace chatmind::fuzz

#endif  // CHATMIND_FUZZ_FUZZ_CHECK_H_
