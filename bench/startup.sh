#!/usr/bin/env bash
# Start-up and peak memory of the program beside a bare Qt window, under a private Xvfb.
# Usage: bench/startup.sh BUILD_DIR (a build with -DTECLARIUM_BENCH=ON)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd "$build"  # the program reads its data files from the current folder
"$root/scripts/with-xvfb.sh" "$build/bench/measure_startup" "$build/bench/bare_window" "$build/Teclarium"
