#!/usr/bin/env bash
# Builds chatmind and runs every test; the benchmarks are built too, and run
# once on a small mind, so that they keep working.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
chatmind_install_dependencies
chatmind_build "$root" "$root/build" -DCHATMIND_BUILD_BENCHMARKS=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
