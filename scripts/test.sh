#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Builds everything and runs every test: logic, offscreen widget and real-keyboard
# (under its own Xvfb) tests. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --tests
# The benchmarks are built too (not run), so that one that no longer builds is seen at once.
cmake -S "$root" -B "$root/build-test" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DTECLARIUM_WERROR=ON \
    -DTECLARIUM_BENCH=ON
cmake --build "$root/build-test" -j2
cd "$root/build-test"
ctest --output-on-failure -j2 --timeout 300
