#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# The real program on pathological files, under a private Xvfb: a key mapping padded
# with 5 MB of bare CR after its real lines and a default exercise (11.tcm) of 20 MB
# of bare CR, which the first activation loads. Prints the time to the window, the
# CPU time spent until it goes idle after the window got the focus (start-up and
# loading together), and the peak resident memory.
# Usage: bench/pathological_files.sh BUILD_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$build/teclarium" "$root"/data/* "$work/"
head -c $((5 << 20)) /dev/zero | tr '\0' '\r' >>"$work/KeyMapping.txt"
head -c $((20 << 20)) /dev/zero | tr '\0' '\r' >"$work/11.tcm"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
cd "$work"
"$root/scripts/with-xvfb.sh" bash -c '
    start=$(date +%s%N)
    ./teclarium & pid=$!
    wid=$(xdotool search --sync --onlyvisible --name Teclarium | head -n 1)
    mapped=$(( ($(date +%s%N) - start) / 1000000 ))
    xdotool windowfocus --sync "$wid"
    # Busy until its CPU time stops growing for a second (at most 60 s).
    cpuTicks() { read -r -a stat < "/proc/$pid/stat"; echo $(( stat[13] + stat[14] )); }
    last=-1; now=$(cpuTicks)
    for _ in $(seq 60); do
        [ "$now" -eq "$last" ] && break
        last=$now; sleep 1; now=$(cpuTicks)
    done
    cpu=$(( now * 1000 / $(getconf CLK_TCK) ))
    peak=$(awk "/VmHWM/ {printf \"%.1f\", \$2 / 1024}" "/proc/$pid/status")
    kill "$pid"
    echo "window after ${mapped} ms; CPU ${cpu} ms; peak ${peak} MiB"
'
