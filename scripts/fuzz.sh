#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Builds the libFuzzer targets of fuzz/ with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60) on a corpus
# seeded from data/. Fails on any finding; prints libFuzzer's end-of-run lines.
# Usage: fuzz.sh [SECONDS]
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
"$root/scripts/install-deps.sh" clang libclang-rt-14-dev

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DTECLARIUM_WERROR=ON \
    -DTECLARIUM_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" >/dev/null
targets=$(cd "$root/fuzz" && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets

# The seeds of each target: the data files it reads.
seeds() {
    case "$1" in
        fuzz_key_mapping) echo "$root/data/KeyMapping.txt" ;;
        fuzz_pattern_file) echo "$root/data/CharsToType.txt" ;;
        fuzz_exercise_words | fuzz_clipboard_words) ls "$root"/data/*.tcm ;;
        fuzz_course_file) echo "$root/data/curs.txt" ;;
        fuzz_word_list) echo "$root/data/paraules.txt" ;;
        fuzz_course_state) echo "$root/fuzz/seeds/course_state.curs" ;;
        fuzz_history_lines | fuzz_key_stats | fuzz_learner_figures) ls "$root"/fuzz/seeds/*.hist ;;
        *) ls "$root"/data/* ;;
    esac
}

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for target in $targets; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    for seed in $(seeds "$target"); do cp -n "$seed" "$corpus/"; done
    log="$build/$target.log"
    echo "== $target ($seconds s)"
    if (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
            -max_len=4096 "$corpus" >"$log" 2>&1); then
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb|stat::new_units_added)' "$log" || true
    else
        tail -n 40 "$log"
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "Findings in: ${failed[*]} (inputs kept in $build as crash-*, leak-*, timeout-*)" >&2
    exit 1
fi
echo "No finding in $(echo "$targets" | wc -w) targets."
