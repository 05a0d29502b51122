#!/bin/sh
# Builds the engine benchmark in Release (-O2, no sanitizers) and runs it; the table of ratios
# (median of three repetitions) ends the report.
# Usage: bench/run.sh [build folder [benchmark options...]]   (default folder build/bench)
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build/bench}
[ $# -gt 0 ] && shift
cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 \
  -DBOLTOMIR_BENCH=ON -DBOLTOMIR_TESTS=OFF -DBOLTOMIR_SANITIZE=OFF -DBOLTOMIR_GUI=OFF >/dev/null
cmake --build "$build_dir" -j2 --target engine_bench >/dev/null
[ $# -eq 0 ] && set -- --benchmark_repetitions=3
exec "$build_dir/bench/engine_bench" "$@"
