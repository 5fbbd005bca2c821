#!/usr/bin/env bash
# Installs whatever the build, the tests and the screenshots need and is not there yet.
# Does nothing (and needs no network) when everything is installed.
#   deps.sh              the build, the tests and the screenshot tool's X server
#   deps.sh screenshots  only what the run command needs to photograph the program without a
#                        display (window search and input, screen capture)
set -euo pipefail

case "${1:-build}" in
  build)
    packages=(
      cmake ninja-build g++ pkg-config
      qt6-base-dev libgl-dev
      libsqlite3-dev libjpeg62-turbo-dev
      libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation fonts-dejavu-core
      xvfb xauth
      python3
    )
    ;;
  screenshots)
    packages=(xdotool imagemagick)
    ;;
  *)
    echo "usage: deps.sh [screenshots]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
