#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Lumora and runs every test: the normal suite, the
# whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer, and a short fuzz run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

echo "== build and test (dev)"
cmake --preset dev
cmake --build --preset dev
ctest --preset dev

echo "== build and test (asan + ubsan)"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzz (bounded)"
  cmake --preset fuzz
  cmake --build --preset fuzz
  bash fuzz/run.sh build/fuzz "${LUMORA_FUZZ_SECONDS:-60}"
fi
echo "All test stages passed."
