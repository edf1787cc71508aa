#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 into ./build-fuzz (or $FUZZ_BUILD_DIR) and runs each
# for SECONDS (default 120) on a scratch copy of the committed corpus, so the tree stays clean.
# Fails on any crash, failed invariant, leak, time-out or running out of memory; the input that
# did it is kept in the build folder's fuzz-artifacts/. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail

seconds="${1:-120}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: $0 [SECONDS]   (a whole number of seconds per target, default 120)" >&2
  exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
targets=(keys number)

# libFuzzer and the sanitizer runtimes come with libclang-rt-14-dev, not with clang-14 itself.
"$root/scripts/deps.sh" clang-14 libclang-rt-14-dev cmake ninja-build

# Tests are not needed here (and would need GoogleTest); the replays run in the ordinary build.
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZELKO_FUZZ=ON -DZELKO_BUILD_SHELL=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

scratch="$(mktemp -d "${TMPDIR:-/tmp}/zelko-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

failed=0
summary=()
for target in "${targets[@]}"; do
  corpus="$scratch/$target"
  mkdir -p "$corpus"
  cp -R "$root/fuzz/corpus/$target/." "$corpus/"
  before=$(find "$corpus" -type f | wc -l)
  log="$build/fuzz-$target.log"
  echo "Fuzzing $target for $seconds s (log: $log)"
  rc=0
  start=$SECONDS
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$target-" "$corpus" >"$log" 2>&1 || rc=$?
  elapsed=$((SECONDS - start))
  execs=$(stat number_of_executed_units "$log")
  rate=$(stat average_exec_per_sec "$log")
  after=$(find "$corpus" -type f | wc -l)
  if [ "$rc" -eq 0 ] && grep -q "^Done [0-9]* runs" "$log"; then
    result="ok"
  else
    result="FAILED (exit status $rc)"
    failed=1
    echo "---- fuzz_$target failed; end of its log:" >&2
    grep -v '# Uses:' "$log" | tail -n 40 >&2
    echo "---- inputs kept in $artifacts:" >&2
    ls -1 "$artifacts" | grep "^$target-" >&2 || true
  fi
  summary+=("fuzz_$target: ${execs:-0} executions in $elapsed s (${rate:-0}/s), corpus $before -> $after inputs: $result")
done

printf '%s\n' "${summary[@]}"
exit "$failed"
