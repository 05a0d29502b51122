#!/usr/bin/env bash
# Builds Болтомир and starts it in the user's own working folder, which is seeded from the
# delivered knowledge base the first time, so a conversation never changes the repository.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/packages.sh" build-essential cmake qt6-base-dev qt6-multimedia-dev libxcb1-dev \
  libgl-dev fonts-dejavu-core
build="$top/build/release"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBOLTOMIR_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target boltomir
work="${XDG_DATA_HOME:-$HOME/.local/share}/boltomir"
if [ ! -d "$work/Data base" ]; then
  mkdir -p "$work"
  cp -r "$build/Data base" "$work/"
  echo "Seeded $work from the delivered knowledge base."
fi
cd "$work"
exec "$build/app/boltomir"
