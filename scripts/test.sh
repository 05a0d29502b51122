#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer and runs them all
# headless: the model and engine tests need no display, the view tests use Qt's offscreen
# platform, the end-to-end tests start the program under their own Xvfb.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/packages.sh" build-essential cmake pkg-config libgtest-dev libgmock-dev \
  qt6-base-dev qt6-multimedia-dev libxcb1-dev libgl-dev fonts-dejavu-core \
  xvfb xdotool x11-xkb-utils x11-utils
build="$top/build/test"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBOLTOMIR_TESTS=ON -DBOLTOMIR_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
