#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Lumora and starts the designer.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
cmake --preset dev
cmake --build --preset dev
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "lumora: the designer needs a graphical desktop (no display found); lumora-cli works without one: ./build/dev/src/lumora-cli/lumora-cli --help" >&2
  exit 2
fi
exec ./build/dev/src/lumora/lumora "$@"
