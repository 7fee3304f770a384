#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Checks that every include of the sources runs down the layers or stays in its
# folder, and that no logic file includes a widget (ui/) header. Prints each
# offending include and fails when there is one. Usage: check-layers.sh [SRC_DIR]
set -u
src="${1:-$(dirname "$0")/../src}"
cd "$src" || exit 2

# The layers, lowest first; folders on one line are on the same layer and do not
# include each other.
rank_of() {
    case "$1" in
        util) echo 0 ;;
        platform | settings) echo 1 ;;
        keyboard) echo 2 ;;
        drill) echo 3 ;;
        speech) echo 4 ;;
        progress) echo 5 ;;
        sources) echo 6 ;;
        course | report) echo 7 ;;
        shell) echo 8 ;;
        *) echo -1 ;;
    esac
}

failed=0
while IFS= read -r file; do
    folder="${file%%/*}"
    rank="$(rank_of "$folder")"
    if [ "$rank" -lt 0 ]; then
        echo "$file: folder '$folder' has no layer"
        failed=1
        continue
    fi
    # Widget files: the ui/ subfolders and the shell.
    widgets=0
    case "$file" in */ui/* | shell/*) widgets=1 ;; esac
    while IFS= read -r included; do
        target="${included%%/*}"
        if [ "$target" != "$folder" ]; then
            target_rank="$(rank_of "$target")"
            if [ "$target_rank" -lt 0 ] || [ "$target_rank" -ge "$rank" ]; then
                echo "$file includes $included: not a lower layer"
                failed=1
            fi
        fi
        case "$included" in
            */ui/*)
                if [ "$widgets" -eq 0 ]; then
                    echo "$file includes $included: a widget header in a logic file"
                    failed=1
                fi
                ;;
        esac
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -mindepth 2 \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | sort)

exit "$failed"
