#!/usr/bin/env bash
# Installs what is missing, builds the program and its tools, builds the sample city and starts
# the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALDREN_TESTS=OFF
cmake --build build

if [[ ! -x build/ValInfo ]]; then
  echo "Everything is built, but the program itself is not there yet: its main window has not been written."
  exit 0
fi
cd build
exec ./ValInfo
