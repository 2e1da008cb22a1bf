#!/usr/bin/env bash
# Runs the file-format fuzzer for a bounded time, starting from the valid files and every
# regression input under tests/fixtures/lmd/. Exits non-zero when it finds a crash, a hang, a
# leak or an oversized allocation; the finding is kept under BUILD_DIR/fuzz-findings/ so it
# can be added to tests/fixtures/lmd/fuzz-regressions/, which the test suite reads.
#
#   bash fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
fuzzer="$build/fuzz/lumora_file_format_fuzzer"
if [ ! -x "$fuzzer" ]; then
  echo "fuzz/run.sh: $fuzzer is not built (cmake --preset fuzz && cmake --build --preset fuzz)" >&2
  exit 2
fi

# New inputs go to a scratch directory, never into the checked-in seeds.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/findings"

status=0
# The outer timeout only catches a fuzzer that fails to stop by itself.
timeout --kill-after=30 $((seconds + 120)) "$fuzzer" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
  -max_len=65536 -dict="$here/lmd.dict" -print_final_stats=1 \
  -artifact_prefix="$work/findings/" \
  "$work/corpus" "$repo/tests/fixtures/lmd/valid" "$repo/tests/fixtures/lmd/fuzz-regressions" || status=$?

if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/findings")" ]; then
  mkdir -p "$build/fuzz-findings"
  cp -r "$work/findings/." "$build/fuzz-findings/" 2>/dev/null || true
  echo "fuzz/run.sh: the fuzzer failed (status $status); findings kept in $build/fuzz-findings/" >&2
  ls -l "$build/fuzz-findings" >&2 || true
  exit 1
fi
echo "fuzz/run.sh: no findings in ${seconds}s"
