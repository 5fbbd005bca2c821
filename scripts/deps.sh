#!/usr/bin/env bash
# Installs whatever the build, the tests and the screenshots need and is not there yet; named
# groups add the packages of one script only ("coverage": scripts/coverage.sh; "fuzz":
# scripts/fuzz.sh; "screenshots": the window search, input and screen capture with which
# scripts/run.sh photographs the program when there is no display).
# Does nothing (and needs no network) when everything is installed.
# Usage: scripts/deps.sh [GROUP...]
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  libsqlite3-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  python3
)

for group in "$@"; do
  case "$group" in
    coverage) packages+=(gcovr) ;;
    screenshots) packages+=(xdotool imagemagick) ;;
    fuzz) packages+=(clang libclang-rt-dev) ;;
    *) echo "deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

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
