#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Start-up and peak memory of the program beside a bare Qt window, under a private Xvfb.
# The program runs from a copy of its folder whose settings file says the shortcut was
# offered already (as after the first close), so the first window it maps is the main
# window, not the shortcut offer.
# Usage: bench/startup.sh BUILD_DIR (a build with -DTECLARIUM_BENCH=ON)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$build/Teclarium" "$root"/data/* "$work/"
printf '[Options]\r\nMkLink=0\r\n' >"$work/Teclarium.ini"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
cd "$work"  # the program reads its data files from the current folder
"$root/scripts/with-xvfb.sh" "$build/bench/measure_startup" "$build/bench/bare_window" "$work/Teclarium"
