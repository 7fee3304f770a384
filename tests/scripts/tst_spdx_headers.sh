#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# The licence-line script on a small tree of each kind of file: the lines go first, or
# after a #! line, with the comment mark of the file's language; a file that has them,
# a data file and a build folder stay as they are; a second run changes nothing; the
# check lists exactly the files without them and fails until they have them.
set -euo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/spdx-headers.sh"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
problems=0
fail() {
    echo "FAIL: $*" >&2
    problems=$((problems + 1))
}

lic="SPDX-License-Identifier: GPL-3.0-or-later"
own="SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium"
# file | its text before | its text after (\n for line ends)
cases=(
    "src/a.cpp|int a;\n|// $lic\n// $own\nint a;\n"
    "src/sub/b.h|#pragma once\n|// $lic\n// $own\n#pragma once\n"
    "CMakeLists.txt|project(X)\n|# $lic\n# $own\nproject(X)\n"
    "tests/CMakeLists.txt|add_test()\n|# $lic\n# $own\nadd_test()\n"
    "scripts/x.sh|#!/usr/bin/env bash\necho\n|#!/usr/bin/env bash\n# $lic\n# $own\necho\n"
    "tests/t.py|#!/usr/bin/python3\n\"\"\"doc\"\"\"\n|#!/usr/bin/python3\n# $lic\n# $own\n\"\"\"doc\"\"\"\n"
    ".ci/run|#!/bin/sh\nexit 0\n|#!/bin/sh\n# $lic\n# $own\nexit 0\n"
    "src/c.cpp|// $lic\nint c;\n|// $lic\nint c;\n"
    "scripts/y.sh|#!/bin/sh\n# $lic\n|#!/bin/sh\n# $lic\n"
    "src/late.cpp|int x;\n// $lic\n|// $lic\n// $own\nint x;\n// $lic\n"
    "src/empty.h||// $lic\n// $own\n"
    "data/words.txt|casa\n|casa\n"
    "src/notes.txt|text\n|text\n"
)
for c in "${cases[@]}"; do
    IFS='|' read -r file before _ <<<"$c"
    mkdir -p "$tree/$(dirname "$file")"
    printf "$before" >"$tree/$file"
done
chmod 755 "$tree/scripts/x.sh"

listed=$("$script" --check "$tree" 2>/dev/null) && fail "the check passed on files without the lines"
expected="no licence line: .ci/run
no licence line: CMakeLists.txt
no licence line: scripts/x.sh
no licence line: src/a.cpp
no licence line: src/empty.h
no licence line: src/late.cpp
no licence line: src/sub/b.h
no licence line: tests/CMakeLists.txt
no licence line: tests/t.py"
[ "$listed" = "$expected" ] || fail "the check listed:
$listed"

"$script" "$tree"
for c in "${cases[@]}"; do
    IFS='|' read -r file _ after <<<"$c"
    # shellcheck disable=SC2059
    [ "$(cat "$tree/$file")" = "$(printf "$after")" ] || fail "$file became:
$(cat "$tree/$file")"
done
[ -x "$tree/scripts/x.sh" ] || fail "scripts/x.sh lost its execute permission"
"$script" --check "$tree" >/dev/null || fail "the check fails after the script ran"
before=$(cd "$tree" && find . -type f -exec md5sum {} + | sort)
"$script" "$tree"
[ "$(cd "$tree" && find . -type f -exec md5sum {} + | sort)" = "$before" ] || fail "a second run changed files"

[ "$problems" -eq 0 ] || exit 1
echo "licence lines: ${#cases[@]} cases passed"
