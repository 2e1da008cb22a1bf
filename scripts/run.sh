#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Lumora and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
cmake --preset dev
cmake --build --preset dev
exec ./build/dev/src/lumora-cli/lumora-cli show --new
