#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Puts the licence lines at the head of every source file that lacks them: C++ sources
# and headers, CMake files, and shell and Python scripts (after their #! line).
# Running it again changes nothing. With --check it changes nothing and lists the
# files without them, exiting 1 if there is any.
# Usage: spdx-headers.sh [--check] [ROOT]   (default ROOT: this script's project)
set -euo pipefail
check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

licence="SPDX-License-Identifier: GPL-3.0-or-later"
holder="SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium"

# Every source file, NUL-separated, relative to the root (build folders left out).
source_files() {
    local folders=()
    for d in src tests bench fuzz res scripts cmake; do [ -d "$d" ] && folders+=("$d"); done
    {
        find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt \
            -o -name '*.cmake' -o -name '*.sh' -o -name '*.py' \) -print0
        for f in CMakeLists.txt .ci/run debian/rules; do [ -f "$f" ] && printf '%s\0' "$f"; done
    } | sort -zu
}

missing=0
while IFS= read -r -d '' f; do
    # The licence line is the first line, or the second after a #! line.
    shebang=0
    [ "$(head -c 2 "$f")" = "#!" ] && shebang=1
    if sed -n "$((shebang + 1))p" "$f" | grep -qF "$licence"; then continue; fi
    if [ "$check" -eq 1 ]; then
        echo "no licence line: $f"
        missing=$((missing + 1))
        continue
    fi
    case "$f" in
        *.cpp | *.h) mark="//" ;;
        *) mark="#" ;;
    esac
    tmp="$(mktemp "$f.XXXXXX")"
    {
        [ "$shebang" -eq 1 ] && head -n 1 "$f"
        printf '%s %s\n%s %s\n' "$mark" "$licence" "$mark" "$holder"
        tail -n +"$((shebang + 1))" "$f"
    } >"$tmp"
    chmod --reference="$f" "$tmp"
    mv "$tmp" "$f"
done < <(source_files)

if [ "$check" -eq 1 ] && [ "$missing" -gt 0 ]; then
    echo "$missing file(s) without the licence line; scripts/spdx-headers.sh adds it" >&2
    exit 1
fi
exit 0
