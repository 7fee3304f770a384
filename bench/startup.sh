#!/usr/bin/env bash
# Start-up and peak memory of the program beside a bare Qt window, under a private Xvfb.
# Usage: bench/startup.sh BUILD_DIR (a build with -DTECLARIUM_BENCH=ON)
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
display=:$((RANDOM % 400 + 100))
Xvfb "$display" -noreset -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
setxkbmap -display "$display" es
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd "$build"  # the program reads its data files from the current folder
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/bench/measure_startup" "$build/bench/bare_window" "$build/teclarium"
