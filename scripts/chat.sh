#!/usr/bin/env bash
# Builds chatmind if needed and starts a conversation in the terminal.
# Usage: scripts/chat.sh [MIND_FILE]   (default: the example mind)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
chatmind_install_dependencies "${chatmind_packages[@]}"
chatmind_build "$root" >&2
exec "$root/build/examples/chatmind-example" "${1:-$root/examples/hello.mind}"
