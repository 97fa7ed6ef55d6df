#!/usr/bin/env bash
# Builds the benchmarks in Release (in build-bench) and runs them; a table of
# the figures ends the output. Arguments go to the benchmark program, e.g.
#   scripts/bench.sh --sizes=1000,10000 --reference-max-pairs=10000
#   scripts/bench.sh --benchmark_filter=load --help
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
chatmind_install_dependencies "${chatmind_packages[@]}"
chatmind_build "$root" "$root/build-bench" -DCHATMIND_BUILD_BENCHMARKS=ON -DBUILD_TESTING=OFF >&2
exec "$root/build-bench/bench/chatmind-bench" "$@"
