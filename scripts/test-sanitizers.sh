#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Builds the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer in
# its own build folder and runs every test there (logic, offscreen widgets and the
# real keyboard under Xvfb), then runs each fuzz target for a short time.
# Usage: test-sanitizers.sh [FUZZ_SECONDS] (default 15). Exits non-zero on any failure.
set -euo pipefail
fuzzSeconds="${1:-15}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-sanitizers"
"$root/scripts/install-deps.sh" --tests

flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DTECLARIUM_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
# One test at a time: the sanitizers slow every process several times over, and the tests
# that start several copies of the program under one X server wait on each other's windows.
(cd "$build" && ctest --output-on-failure -j1 --timeout 600)

"$root/scripts/fuzz.sh" "$fuzzSeconds"
