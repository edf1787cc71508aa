#!/usr/bin/env bash
# Builds everything and runs every test: the normal build under CTest, the same suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target for a while.
# ZELKO_FUZZ_SECONDS sets the fuzzing time per target (default 120; 0 skips fuzzing) and
# ZELKO_SKIP_SANITIZE=1 skips the sanitizer build, for a quicker local run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$root"

"$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

if [ "${ZELKO_SKIP_SANITIZE:-0}" != 1 ]; then
  echo "== sanitizer build"
  cmake --preset sanitize -S "$root" >/dev/null
  cmake --build --preset sanitize -j"$jobs"
  ctest --preset sanitize -j"$jobs"
fi

fuzz_seconds="${ZELKO_FUZZ_SECONDS:-120}"
if [ "$fuzz_seconds" != 0 ]; then
  echo "== fuzzing, $fuzz_seconds s per target"
  "$root/scripts/fuzz.sh" "$fuzz_seconds"
fi
