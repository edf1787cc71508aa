#!/usr/bin/env bash
# Builds an optimised tree and prints the performance figures: start-up time and memory against
# a plain Qt program with the same widgets (the floor), measured in the same run on the same
# private X server; key latency in the running window; the huge-input steps; and keypad
# throughput. Usage: scripts/bench.sh [RUNS]   (RUNS start-ups of each, at least 10, default 21)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BENCH_BUILD_DIR:-$root/build-bench}"
runs="${1:-21}"
case "$runs" in '' | *[!0-9]*) echo "usage: $0 [RUNS]" >&2; exit 2 ;; esac
[ "$runs" -ge 10 ] || { echo "$0: at least 10 runs of each, for a median worth the name" >&2; exit 2; }

# The build's packages (Qt, libX11, Xvfb), then what only the benchmarks need.
"$root/scripts/deps.sh"
"$root/scripts/deps.sh" libbenchmark-dev

# Two benchmark runs at once would measure each other: wait for any other run on this machine.
exec 9>"${TMPDIR:-/tmp}/zelko-bench.lock"
if ! flock -n 9; then
  echo "Waiting for another benchmark run on this machine to finish ..."
  flock 9
fi

log="$(mktemp)"
scratch="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch" "$log"
}
trap cleanup EXIT

echo "Building the optimised tree in $build ..."
if ! { cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF &&
       cmake --build "$build" -j"$(nproc)" --target zelko-scientific startup_floor startup_probe \
         keypad_bench key_latency huge_input; } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "$0: the build failed" >&2
  exit 1
fi

# A private X server on a free display, so nothing else draws meanwhile.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 9>&- &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; echo "$0: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$scratch/display")"
export QT_QPA_PLATFORM=xcb
# Runtime and settings folders of our own: no warnings, and the user's settings stay untouched.
mkdir -m 700 "$scratch/runtime" "$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"

probe="$build/bench/startup_probe"
app="$build/shell/zelko-scientific"
floor="$build/bench/startup_floor"
results="$build/startup.txt"
echo "Measuring start-up: $runs runs each, interleaved with the floor ..."
# One start-up of "floor" or "app", appended to the results.
measure() {
  local program="$floor" figures
  [ "$1" = app ] && program="$app"
  figures="$("$probe" "$program")" || { echo "$0: a start-up of $program failed" >&2; exit 1; }
  echo "$1 $figures" >>"$results"
}
# Two warm-ups each (font and file caches), then the runs, alternating which goes first.
for _ in 1 2; do "$probe" "$floor" >/dev/null; "$probe" "$app" >/dev/null; done
: >"$results"
for i in $(seq "$runs"); do
  if [ $((i % 2)) -eq 1 ]; then
    measure floor
    measure app
  else
    measure app
    measure floor
  fi
done

# The median of one figure of one program.
median() {
  awk -v who="$1" -v key="$2" '$1 == who { for (i = 2; i <= NF; ++i) { split($i, kv, "=");
    if (kv[1] == key) print kv[2] } }' "$results" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo
printf '%-34s %18s %12s %7s %6s\n' "figure" "zelko-scientific" "floor" "ratio" "goal"
row() {  # key, label, unit, scale, goal
  local a f
  a="$(median app "$1")"
  f="$(median floor "$1")"
  awk -v a="$a" -v f="$f" -v label="$2" -v unit="$3" -v scale="$4" -v goal="$5" 'BEGIN {
    ratio = a / f
    printf "%-34s %15.1f %-2s %9.1f %-2s %7.2f %6.2f  %s\n", label, a * scale, unit, f * scale,
           unit, ratio, goal, (ratio <= goal) ? "met" : "MISSED" }'
}
row map_ms "start-up, exec to window mapped" ms 1 1.15
row rss_kib "resident memory at 1.5 s (VmRSS)" MiB 0.0009765625 1.10
row pss_kib "proportional memory at 1.5 s (Pss)" MiB 0.0009765625 1.10
echo "(medians of $runs interleaved runs each under Xvfb; every run in $results)"

# The rest runs even when one part reports a fault; the script's status tells at the end.
status=0
echo
"$build/bench/key_latency" 10000 || status=1
echo
"$build/bench/huge_input" || status=1
echo
"$build/bench/keypad_bench" --benchmark_min_time=0.5 || status=1
exit $status
