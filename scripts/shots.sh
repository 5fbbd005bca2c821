#!/usr/bin/env bash
# Builds the screenshot tool and draws the named scenes (all without names) into
# build/screenshots/<scene>.png, in a real X server (Xvfb) when there is one, else offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALDREN_TESTS=OFF >/dev/null
cmake --build build --target shots

if command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb build/tools/shots/shots "$@"
fi
exec env QT_QPA_PLATFORM=offscreen build/tools/shots/shots "$@"
