#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Makes the release tarball teclarium-VERSION.tar.xz of a tag or commit (default HEAD):
# its files under version control, without debian/, in the folder teclarium-VERSION/.
# The same commit gives the same bytes: git archive stores the files in tree order,
# owned by 0, dated at the commit's time; xz runs on one thread.
# Usage: make-release.sh [REV [OUTDIR]] (OUTDIR default: the current folder). Prints the
# tarball's path.
set -euo pipefail
rev="${1:-HEAD}"
out="${2:-.}"
root="$(cd "$(dirname "$0")/.." && pwd)"
commit=$(git -C "$root" rev-parse --verify "$rev^{commit}")
version=$(git -C "$root" show "$commit:CMakeLists.txt" |
    sed -n 's/^project(Teclarium VERSION \([0-9.]*\) .*/\1/p')
[ -n "$version" ] || {
    echo "no version in $rev:CMakeLists.txt" >&2
    exit 1
}
mkdir -p "$out"
tarball="$(cd "$out" && pwd)/teclarium-$version.tar.xz"
git -C "$root" -c tar.umask=0022 archive --format=tar --prefix="teclarium-$version/" "$commit" \
    -- . ':(exclude)debian' | xz -6 --threads=1 --check=crc64 >"$tarball.tmp"
mv "$tarball.tmp" "$tarball"
echo "$tarball"
