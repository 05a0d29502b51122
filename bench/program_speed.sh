#!/usr/bin/env bash
# The whole program's speed under Xvfb, in Release:
#  - time from start to the main window on screen, with the delivered knowledge base and with a
#    generated Words.Dat of 1,000,000 lines (median of three starts each);
#  - CPU used in 60 seconds of idling (Cpu\User mode, empty input) beside a bare Qt program with
#    one 16 ms timer running at the same time, and their ratio.
# Usage: bench/program_speed.sh [build folder] [idle seconds]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build/bench-gui}"
idle_seconds="${2:-60}"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBOLTOMIR_BENCH=ON -DBOLTOMIR_TESTS=OFF \
  >/dev/null
cmake --build "$build" -j2 --target boltomir bare_qt_timer >/dev/null

work="$(mktemp -d /tmp/boltomir-bench-XXXXXX)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

seed() {
  rm -rf "$work/run" && mkdir -p "$work/run" && cp -r "$build/Data base" "$work/run/"
}

# Milliseconds from the start of the program to its main window on screen.
start_time() {
  local start end pid
  start=$(date +%s%N)
  (cd "$work/run" && exec "$build/app/boltomir" >/dev/null 2>&1) &
  pid=$!
  xdotool search --sync --onlyvisible --name 'БОЛТОМИР' >/dev/null
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

median_start_time() {
  local times
  times=$(for _ in 1 2 3; do start_time; done | sort -n)
  echo "$times" | sed -n 2p
}

seed
delivered=$(median_start_time)
awk 'BEGIN { for (i = 1; i <= 1000000; i++) printf "KEY%07d^Reply number %d;\r\n", i, i }' \
  >"$work/words"
seed
cp "$work/words" "$work/run/Data base/AI/Words.Dat"
million=$(median_start_time)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
seed
(cd "$work/run" && exec "$build/app/boltomir" >/dev/null 2>&1) &
program=$!
pids+=("$program")
"$build/bench/bare_qt_timer" >/dev/null 2>&1 &
bare=$!
pids+=("$bare")
sleep 3  # past start-up
program_before=$(cpu_ticks "$program")
bare_before=$(cpu_ticks "$bare")
sleep "$idle_seconds"
program_cpu=$(($(cpu_ticks "$program") - program_before))
bare_cpu=$(($(cpu_ticks "$bare") - bare_before))
hz=$(getconf CLK_TCK)

awk -v d="$delivered" -v m="$million" -v p="$program_cpu" -v b="$bare_cpu" -v hz="$hz" \
  -v s="$idle_seconds" 'BEGIN {
  printf "%-58s %9s\n", "measure", "value"
  printf "%-58s %6d ms\n", "start to main window, delivered knowledge base", d
  printf "%-58s %6d ms\n", "start to main window, Words.Dat of 1,000,000 lines", m
  printf "%-58s %6.2f s\n", "CPU in " s " s idle, program", p / hz
  printf "%-58s %6.2f s\n", "CPU in " s " s idle, bare Qt with one 16 ms timer", b / hz
  printf "%-58s %8.2f\n", "idle CPU ratio, program / bare Qt (target at most 1.5)", (b > 0 ? p / b : 0)
}'
