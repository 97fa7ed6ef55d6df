#!/usr/bin/env bash
# Fuzzes each target under fuzz/ with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) for SECONDS, starting from its saved corpus.
#   scripts/fuzz.sh [SECONDS [TARGET...]]      default: 60 s, every target
# New inputs go to a scratch copy of the corpus; an input that fails a
# target is kept in build-fuzz/findings/, to be fixed and then saved under
# fuzz/corpus/TARGET/ so that ctest replays it. Exits non-zero on a finding.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
chatmind_install_dependencies "${chatmind_packages[@]}" "${chatmind_fuzz_packages[@]}"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(mind_reader pipeline text)

build="$root/build-fuzz"
CC=clang-14 CXX=clang++-14 chatmind_build "$root" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCHATMIND_SANITIZERS=address,undefined -DCHATMIND_BUILD_FUZZERS=ON >&2
findings="$build/findings"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"

# Saves write files: a memory-backed TMPDIR keeps them fast where one exists.
fuzz_tmp="${TMPDIR:-/tmp}"
[ -w /dev/shm ] && fuzz_tmp=/dev/shm

failed=0
for target in "${targets[@]}"; do
  mkdir -p "$scratch/$target"
  rm -f "$findings/$target"-*
  cp "$root/fuzz/corpus/$target"/* "$scratch/$target/"
  echo "fuzzing $target for $seconds s" >&2
  if ! (cd "$scratch" && TMPDIR="$fuzz_tmp" "$build/fuzz/${target}_fuzzer" \
        -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$findings/${target}-" "$scratch/$target" >"$scratch/$target.log" 2>&1); then
    failed=1
    tail -n 60 "$scratch/$target.log" >&2
    for input in "$findings/$target"-*; do
      [ -e "$input" ] || continue
      echo "failing input $input:" >&2
      od -A d -t x1z "$input" | head -n 40 >&2
    done
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^Done' "$scratch/$target.log" >&2 || true
done
exit "$failed"
