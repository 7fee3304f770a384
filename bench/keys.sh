#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Key to screen in a drill of the program beside a bare focused line edit, in rounds
# that take them in turn under a private Xvfb (Spanish layout). The program runs from
# a copy of its folder whose settings skip the shortcut offer and drill an exercise
# of the word "fj" only, which the measurement types.
# Usage: bench/keys.sh BUILD_DIR (a build with -DTECLARIUM_BENCH=ON)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$build/Teclarium" "$root"/data/* "$work/"
for _ in $(seq 2000); do printf 'fj\r\n'; done >"$work/fj.tcm"
printf '[Options]\r\nMkLink=0\r\nType=0\r\nTcmFN=fj.tcm\r\n' >"$work/Teclarium.ini"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
cd "$work"  # the program reads its data files from the current folder
"$root/scripts/with-xvfb.sh" "$build/bench/measure_keys" "$build/bench/bare_window" "$work/Teclarium"
