#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# The program started with no usable X display ends at once with exit code 1 and its
# one-line Catalan message naming the display: no abort, nothing of Qt's, no file
# written. Needs no display. Usage: tst_unanswered_display.sh PROGRAM
set -euo pipefail
program="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
problems=0
fail() {
    echo "FAIL: $*" >&2
    problems=$((problems + 1))
}

[ ! -e /tmp/.X11-unix/X999 ] || { echo "an X server runs on :999: this test needs it free" >&2; exit 1; }
unanswered="Teclarium no pot obrir la pantalla X11 «%s»: no respon o no hi teniu accés. Comproveu la variable DISPLAY."
unset_display="Teclarium necessita el sistema de finestres X11 (o XWayland) i no n'hi ha cap: la variable DISPLAY no està definida."
# DISPLAY (- for unset) | QT_QPA_PLATFORM | the message (%s: the display)
cases=(
    ":999||$unanswered"
    ":999|xcb|$unanswered"
    ":999.0||$unanswered"
    "no display here||$unanswered"
    "-||$unset_display"
    "-|xcb|$unset_display"
)
for c in "${cases[@]}"; do
    IFS='|' read -r display platform message <<<"$c"
    env=(env -i HOME="$dir/home" XDG_RUNTIME_DIR="$dir/run" PATH=/usr/bin:/bin LANG=C.UTF-8)
    [ "$display" = "-" ] || env+=(DISPLAY="$display")
    [ -z "$platform" ] || env+=(QT_QPA_PLATFORM="$platform")
    code=0
    timeout 20 "${env[@]}" "$program" >"$dir/out" 2>"$dir/err" || code=$?
    # shellcheck disable=SC2059
    expected="$(printf "$message" "$display")"
    [ "$code" -eq 1 ] || fail "DISPLAY=$display QT_QPA_PLATFORM=$platform: exit code $code, not 1"
    [ "$(cat "$dir/err")" = "$expected" ] || fail "DISPLAY=$display QT_QPA_PLATFORM=$platform printed: $(cat "$dir/err")"
    [ ! -s "$dir/out" ] || fail "DISPLAY=$display: something on stdout: $(cat "$dir/out")"
done
[ -z "$(ls -A "$dir/home" "$dir/run" 2>/dev/null)" ] || fail "files were written: $(find "$dir/home" "$dir/run")"

[ "$problems" -eq 0 ] || exit 1
echo "no usable display: ${#cases[@]} cases passed"
