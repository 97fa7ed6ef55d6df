#!/usr/bin/env bash
# Builds chatmind and runs every test three ways:
#  1. a Release build (in build/) with the Windows library's checks and the
#     benchmarks, which run once on a small mind so that they keep working;
#  2. the whole suite again built with AddressSanitizer and
#     UndefinedBehaviorSanitizer (in build-sanitize/);
#  3. each fuzz target for CHATMIND_FUZZ_SECONDS (default 60) with libFuzzer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
chatmind_install_dependencies "${chatmind_packages[@]}" "${chatmind_windows_packages[@]}" \
  "${chatmind_fuzz_packages[@]}"
jobs="$(nproc)"

echo "== Release build and tests" >&2
chatmind_build "$root" "$root/build" -DCHATMIND_WINDOWS_CHECKS=ON -DCHATMIND_BUILD_BENCHMARKS=ON
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== Sanitizer build and tests" >&2
chatmind_build "$root" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCHATMIND_SANITIZERS=address,undefined -DCHATMIND_WINDOWS_CHECKS=OFF
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"

echo "== Fuzzing" >&2
"$root/scripts/fuzz.sh" "${CHATMIND_FUZZ_SECONDS:-60}"
