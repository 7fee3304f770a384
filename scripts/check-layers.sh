#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Checks that every include of the sources runs down the layers or stays in its
# folder, and that no file includes a file of a library its own library does not
# link (a widget or X11 header in a logic file, say). Prints each offending include
# and fails when there is one. Usage: check-layers.sh [SRC_DIR]
set -u
src="${1:-$(dirname "$0")/../src}"
cd "$src" || exit 2

# The layers, lowest first; folders on one line are on the same layer and do not
# include each other. The files at the top (main.cpp) are the program itself.
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
        .) echo 9 ;;
        *) echo -1 ;;
    esac
}

# The library a file is built into (CMakeLists.txt): the widgets and the window
# system (ui/ subfolders, the shell, and the program at the top), the XKB reader,
# the modules loaded when needed, and the logic (the core) for the rest.
library_of() {
    case "$1" in
        */ui/* | shell/*) echo ui ;;
        platform/xkb/*) echo xkb ;;
        progress/chart/* | report/print/* | speech/voice/*) echo "module:${1%/*}" ;;
        */*) echo core ;;
        *) echo ui ;;
    esac
}

# Whether a file of the first library may include one of the second: each links
# the core; the widget library links the XKB reader too and loads the modules; a
# module links nothing of the program's and includes only its own folder.
may_include() {
    [ "$1" = "$2" ] && return 0
    case "$1:$2" in
        ui:*) return 0 ;;
        xkb:core) return 0 ;;
        *) return 1 ;;
    esac
}

failed=0
while IFS= read -r file; do
    folder="${file%%/*}"
    [ "$folder" = "$file" ] && folder=.
    rank="$(rank_of "$folder")"
    if [ "$rank" -lt 0 ]; then
        echo "$file: folder '$folder' has no layer"
        failed=1
        continue
    fi
    library="$(library_of "$file")"
    while IFS= read -r included; do
        target="${included%%/*}"
        if [ "$target" != "$folder" ]; then
            target_rank="$(rank_of "$target")"
            if [ "$target_rank" -lt 0 ] || [ "$target_rank" -ge "$rank" ]; then
                echo "$file includes $included: not a lower layer"
                failed=1
            fi
        fi
        target_library="$(library_of "$included")"
        if ! may_include "$library" "$target_library"; then
            echo "$file includes $included: a file of the $target_library library in the $library library"
            failed=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | sort)

exit "$failed"
