#!/usr/bin/env bash
# Builds chatmind and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
chatmind_install_dependencies
chatmind_build "$root"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
