#!/usr/bin/env bash
# Installs what is missing, builds the program, its tools, the sample city with its database and
# the help books, and starts the program in build/. Without a display the program runs under Xvfb
# instead: the splash and the main window are photographed into build/screenshots/, then the
# program and the X server are ended. Exit code 0 when both pictures were taken, 1 when the
# program ended early or a window did not come in time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALDREN_TESTS=OFF
cmake --build build

if [[ -n "${DISPLAY:-}" ]]; then
  cd build
  exec ./ValInfo
fi

readonly screen_size=1920x1080
readonly splash_title='^fmSplash'
readonly main_title='^Городская информационная система ВалдренИнфо'
readonly shots_dir="$PWD/build/screenshots"
readonly idle_ticks=1

work=$(mktemp -d)
xvfb_pid=""
app_pid=""

stop() {
  local pid=$1
  [[ -n "$pid" ]] || return 0
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

cleanup() {
  stop "$app_pid"
  stop "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$1" >&2
  echo "Standard error of ValInfo:" >&2
  cat "$work/stderr" >&2 2>/dev/null || true
  exit 1
}

# The first display from :99 on that a new Xvfb can take: one whose socket appears while the
# server runs. A display another server holds makes ours end at once, and the next is tried.
start_xvfb() {
  local number tries
  for ((number = 99; number < 199; number++)); do
    [[ -e /tmp/.X${number}-lock || -e /tmp/.X11-unix/X${number} ]] && continue
    Xvfb ":$number" -screen 0 "${screen_size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for ((tries = 0; tries < 100; tries++)); do
      if [[ -S /tmp/.X11-unix/X${number} ]]; then
        display_number=$number
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    stop "$xvfb_pid"
    xvfb_pid=""
  done
  echo "No free display for Xvfb between :99 and :198." >&2
  cat "$work/xvfb.log" >&2 2>/dev/null || true
  exit 1
}

# The program's processor time so far, in clock ticks (user and system). The name in
# /proc/PID/stat is cut off first, as it could hold blanks.
cpu_time() {
  local stat
  stat=$(cat "/proc/$app_pid/stat" 2>/dev/null) || return 0
  stat=${stat##*) }
  awk '{ print $12 + $13 }' <<<"$stat"
}

ended_early() {
  local code=0
  wait "$app_pid" || code=$?
  app_pid=""
  fail "ValInfo ended early with exit code $code."
}

# Waits up to timeout seconds for a visible window whose title matches pattern while the program
# is idle: its processor time grew by at most idle_ticks in half a second (a caret's blink costs a
# tick now and then). Sets found_window.
wait_for_window() {
  local pattern=$1 timeout=$2 what=$3
  local deadline=$((SECONDS + timeout)) window last="" now
  while ((SECONDS < deadline)); do
    kill -0 "$app_pid" 2>/dev/null || ended_early
    window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    if [[ -n "$window" ]]; then
      now=$(cpu_time)
      if [[ -n "$last" && -n "$now" ]] && ((now - last <= idle_ticks)); then
        found_window=$window
        return 0
      fi
      last=$now
    else
      last=""
    fi
    sleep 0.5
  done
  fail "Waited ${timeout} s for $what."
}

display_number=""
found_window=""
start_xvfb
echo "No display found: starting ValInfo under Xvfb on :${display_number} (${screen_size})"
bash scripts/deps.sh screenshots
export DISPLAY=":$display_number"

(cd build && exec env QT_QPA_PLATFORM=xcb ./ValInfo) 2>"$work/stderr" &
app_pid=$!

mkdir -p "$shots_dir"
wait_for_window "$splash_title" 60 "the splash window to wait for its button"
import -window root "$shots_dir/run-splash.png"
xdotool windowfocus "$found_window"
sleep 0.2
xdotool key Return
wait_for_window "$main_title" 30 "the main window"
# Xvfb has no window manager to activate the new window; its first activation shows the whole city.
xdotool windowfocus "$found_window"
wait_for_window "$main_title" 30 "the main window's first activation"
import -window root "$shots_dir/run-main-window.png"

echo "Splash screen: $shots_dir/run-splash.png"
echo "Main window: $shots_dir/run-main-window.png"
