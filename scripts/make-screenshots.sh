#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Makes the screenshots in res/screenshots/ that the AppStream metadata shows, from the
# real windows under Xvfb: the program built in BUILD (default build-test), started
# for a new user on the Spanish layout, in a drill of its first exercise with a word
# typed (drill.png); then the course window (course.png).
# Usage: make-screenshots.sh [BUILD]. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# ---- Under Xvfb (this script again, through with-xvfb.sh).
if [ "${1:-}" = "--session" ]; then
    program="$2" out="$3"
    home="$(mktemp -d)"
    log="$home/teclarium.log"
    pid=""
    trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT
    mkdir -m 700 "$home/run"
    env HOME="$home" XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 "$program" >"$log" 2>&1 &
    pid=$!
    wait_window() {
        local w
        w=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1) ||
            true
        [ -n "$w" ] || fail "no window '$1' (program log: $(cat "$log"))"
        echo "$w"
    }
    keys() {
        local w=$1
        shift
        xdotool windowfocus --sync "$w" 2>/dev/null || true
        xdotool key --delay 150 --window "$w" "$@" 2>/dev/null || true
    }
    shot() {
        sleep 1
        xwd -silent -id "$1" | xwdtopnm 2>/dev/null | pnmtopng -compression 9 >"$out/$2.tmp"
        mv "$out/$2.tmp" "$out/$2"
        echo "$out/$2"
    }
    # The program run from its build folder offers a shortcut at its first start, before
    # its window shows: declined.
    keys "$(wait_window '^Creaci')" Escape
    main=$(wait_window '^Teclarium$')
    # The first exercise's drill: started, its first word "fj" typed, the second begun.
    keys "$main" space f j space d
    shot "$main" drill.png
    # Arxiu (at the menu bar's left) > Curs... (three up from the end).
    keys "$main" Escape
    xdotool mousemove --window "$main" 20 10 click 1
    sleep 1
    popup=$(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$main" | head -n 1) || true
    [ -n "$popup" ] || fail "the menu Arxiu did not open"
    xdotool key --delay 150 --window "$popup" Up Up Up Return 2>/dev/null || true
    course=$(wait_window '^Curs')
    shot "$course" course.png
    exit 0
fi

build="${1:-$root/build-test}"
"$root/scripts/install-deps.sh" --tests x11-apps netpbm
cmake --build "$build" -j2 --target teclarium
mkdir -p "$root/res/screenshots"
"$root/scripts/with-xvfb.sh" "$0" --session "$build/Teclarium" "$root/res/screenshots"
