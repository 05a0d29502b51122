#!/bin/sh
# Builds the turn fuzzer with clang++-14 (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# from the engine and base sources and runs it for SECONDS seconds (default 300).
# Usage: fuzz/build_and_run.sh [SECONDS [build folder]]   (default folder build/fuzz)
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
build_dir=${2:-$source_dir/build/fuzz}
mkdir -p "$build_dir/corpus" "$build_dir/artifacts"
# The target works in a folder of its own, so every path it is given is absolute.
build_dir=$(cd "$build_dir" && pwd)
clang++-14 -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Wall -Wextra -I"$source_dir" \
  "$source_dir"/base/*.cpp "$source_dir"/engine/*.cpp "$source_dir"/fuzz/engine_turn_fuzzer.cpp \
  -o "$build_dir/engine_turn_fuzzer"
cp "$source_dir"/fuzz/seeds/* "$build_dir/corpus/"
exec "$build_dir/engine_turn_fuzzer" -max_total_time="$seconds" \
  -artifact_prefix="$build_dir/artifacts/" -print_final_stats=1 "$build_dir/corpus"
