#!/usr/bin/env bash
# Builds chatmind if needed and starts a conversation with the bundled mind.
# Arguments go to the chatmind program: scripts/chat.sh chat --mind FILE
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
chatmind_install_dependencies "${chatmind_packages[@]}"
chatmind_build "$root" >&2
exec "$root/build/tools/chatmind" "$@"
