#!/usr/bin/env bash
# Builds chatmind and runs every test, the Windows library's included; the
# benchmarks are built too, and run once on a small mind, so that they keep
# working.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
chatmind_install_dependencies "${chatmind_packages[@]}" "${chatmind_windows_packages[@]}"
chatmind_build "$root" "$root/build" -DCHATMIND_WINDOWS_CHECKS=ON -DCHATMIND_BUILD_BENCHMARKS=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
