#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Runs a test program under its own Xvfb with the Spanish (Spain) keyboard layout,
# and returns the program's exit code. Usage: with-xvfb.sh PROGRAM [ARGS...]
set -u
if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM [ARGS...]" >&2
    exit 2
fi

fdfile="$(mktemp)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -f "$fdfile"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# -displayfd: Xvfb takes a free display number itself and writes it once it accepts
# clients. -noreset keeps the layout set below when the last client leaves. -r: no
# auto-repeat, as a test's key press and release sent through XTEST can lie further
# apart than the repeat delay on a loaded machine: the held key then repeats into
# whatever window takes the focus next (a message box closing by itself).
Xvfb -displayfd 3 -noreset -nolisten tcp -r -screen 0 1280x1024x24 3>"$fdfile" 2>/dev/null &
xvfb_pid=$!

display=""
for _ in $(seq 1 100); do
    display="$(tr -dc '0-9' <"$fdfile")"
    [ -n "$display" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "Xvfb did not start" >&2
        exit 1
    fi
    sleep 0.1
done
if [ -z "$display" ]; then
    echo "Xvfb did not report its display" >&2
    exit 1
fi

if ! setxkbmap -display ":$display" es; then
    echo "setxkbmap es failed on :$display" >&2
    exit 1
fi

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
