#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# The second copy's whole run: from its start, through finding the running copy, to
# its message box mapped (median of several runs), under a private Xvfb.
# Usage: bench/second_copy.sh BUILD_DIR (a build with -DTECLARIUM_BENCH=ON)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd "$build"  # the program reads its data files from the current folder
"$root/scripts/with-xvfb.sh" bash -c '
    "$1" & first=$!
    trap "kill $first" EXIT
    xdotool search --sync --onlyvisible --pid "$first" >/dev/null
    "$2" "$1"' _ "$build/Teclarium" "$build/bench/measure_startup"
