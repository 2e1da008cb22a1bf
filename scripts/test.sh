#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Lumora and runs every test: the normal suite, the
# whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer, a short fuzz run, and the
# release build with every benchmark run once briefly, so that neither can rot unseen.
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
echo "== release build and benchmarks (brief)"
# Warnings fail here too, although a user's release build only shows them.
cmake --preset release -DLUMORA_WERROR=ON
cmake --build --preset release
for bench in build/release/bench/lumora_*_bench; do
  echo "-- $bench"
  "$bench" --benchmark_min_time=0.05
done
echo "All test stages passed."
