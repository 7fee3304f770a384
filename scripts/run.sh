#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Builds the program (Release) and starts it from its build folder, where the data
# files lie beside it. Installs only what building and running need (the tests' tools
# come with scripts/test.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# Said before anything is installed or built: the program shows its window on an X
# display (XWayland too) and cannot start without one.
if [ -z "${DISPLAY:-}" ]; then
    echo "No X display (DISPLAY is not set): the program needs one to start; run this script in a desktop" \
        "session. To build only: scripts/install-deps.sh, then the cmake steps in the README (Installing)." >&2
    exit 1
fi
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$root/build" -j2 --target teclarium
cd "$root/build"
exec ./Teclarium
