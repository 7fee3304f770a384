#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# The real program started 20 times in a row on an X server where it is the only
# client (a kiosk, a bare Xvfb), which resets whenever its last client leaves: each
# start shows the main window, none aborts or says the display does not answer. Every
# other start asks for Wayland (QT_QPA_PLATFORM=wayland, as some Wayland desktops
# export, with or without its plugin installed): it runs through X11 all the same and
# says so. Usage: tst_bare_display.sh PROGRAM
set -euo pipefail
program="$1"
dir="$(mktemp -d)"
xvfb_pid="" pid=""
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
problems=0
fail() {
    echo "FAIL: $*" >&2
    problems=$((problems + 1))
}

# Without -noreset: the server resets each time its last client leaves.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$dir/display" 2>/dev/null &
xvfb_pid=$!
display=""
for _ in $(seq 1 100); do
    display="$(tr -dc '0-9' <"$dir/display")"
    [ -n "$display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -n "$display" ] || { echo "Xvfb did not report its display" >&2; exit 1; }

wayland_word="Teclarium s'obre per XWayland i no per Wayland (QT_QPA_PLATFORM=wayland): necessita les tecles del sistema X11."
starts=20
mkdir -m 700 "$dir/home" "$dir/run"
for i in $(seq 1 "$starts"); do
    platform=""
    [ $((i % 2)) -eq 0 ] && platform=wayland
    env=(env -i HOME="$dir/home" XDG_RUNTIME_DIR="$dir/run" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY=":$display")
    [ -z "$platform" ] || env+=(QT_QPA_PLATFORM="$platform")
    "${env[@]}" "$program" >/dev/null 2>"$dir/err" &
    pid=$!
    # No other client while it starts: the window is looked for only after a second.
    sleep 1
    window=""
    kill -0 "$pid" 2>/dev/null &&
        window=$(DISPLAY=":$display" timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^Teclarium$' \
            2>/dev/null | head -n 1) || true
    code=0
    if [ -n "$window" ]; then
        kill "$pid"
        wait "$pid" || code=$?
        [ "$code" -eq 143 ] || fail "start $i: ended with exit code $code when told to end"
    else
        kill "$pid" 2>/dev/null || true
        wait "$pid" || code=$?
        fail "start $i (QT_QPA_PLATFORM=$platform): no main window, exit code $code: $(cat "$dir/err")"
    fi
    pid=""
    if [ -n "$platform" ]; then
        [ "$(head -n 1 "$dir/err")" = "$wayland_word" ] || fail "start $i asking for Wayland printed: $(cat "$dir/err")"
    elif grep -q "Teclarium\|qt.qpa" "$dir/err"; then
        fail "start $i printed: $(cat "$dir/err")"
    fi
done

[ "$problems" -eq 0 ] || exit 1
echo "bare X server: $starts starts in a row, each with its window"
