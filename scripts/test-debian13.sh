#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Builds the package with its tests on Debian 13 (trixie), as a build daemon would:
# makes the source package from the release tarball of a commit (default HEAD: what
# is committed) and debian/, sets up a fresh Debian 13 in a chroot with debootstrap
# from the same Debian mirror as this machine, installs the build dependencies with
# apt-get build-dep, builds with dpkg-buildpackage as a user who is not root (the
# suite runs inside the build), installs the package and runs the package's
# autopkgtest there (the installed program's options, and a session under Xvfb).
# Usage: test-debian13.sh [REV]. Run as root. Exits non-zero on any failure.
set -euo pipefail
rev="${1:-HEAD}"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="${TECLARIUM_CHROOT_DIR:-/var/tmp/teclarium-debian13}"
chroot="$work/root"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "run as root: the script sets up a chroot"
started=$SECONDS
"$root/scripts/install-deps.sh" debootstrap dpkg-dev git xz-utils

mounted=()
unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
    mounted=()
}
trap unmount_all EXIT
# A folder left by a run that was stopped may still have its mounts.
for m in $(awk -v c="$chroot/" 'index($2, c) == 1 {print $2}' /proc/mounts | sort -r); do umount -l "$m"; done
rm -rf "$work"
mkdir -p "$work/source"

echo "== source package of $rev"
tarball=$("$root/scripts/make-release.sh" "$rev" "$work/source")
version=$(basename "$tarball" .tar.xz)
version=${version#teclarium-}
ln -s "$(basename "$tarball")" "$work/source/teclarium_$version.orig.tar.xz"
tar -C "$work/source" -xJf "$tarball"
git -C "$root" archive "$rev" debian | tar -C "$work/source/teclarium-$version" -xf -
(cd "$work/source" && dpkg-source -b "teclarium-$version") >/dev/null
dsc=$(cd "$work/source" && ls teclarium_*.dsc)
echo "$dsc"

echo "== debootstrap trixie"
# The mirror this machine's apt uses for Debian itself.
mirror=$(grep -hoE 'https?://[^ ]+/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1 | tr -d ' ') || true
mirror="${mirror:-http://deb.debian.org/debian}"
t=$SECONDS
debootstrap --variant=buildd trixie "$chroot" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    fail "debootstrap failed: $(tail -n 20 "$work/debootstrap.log")"
echo "Debian $(cat "$chroot/etc/debian_version") from $mirror in $((SECONDS - t)) s"
for m in proc sys dev dev/pts; do
    case $m in
        proc) mount -t proc proc "$chroot/proc" ;;
        sys) mount -t sysfs sys "$chroot/sys" ;;
        *) mount --bind "/$m" "$chroot/$m" ;;
    esac
    mounted+=("$chroot/$m")
done
mount -t tmpfs tmpfs "$chroot/dev/shm"
mounted+=("$chroot/dev/shm")
cp /etc/resolv.conf "$chroot/etc/resolv.conf" 2>/dev/null || true
in_chroot() { chroot "$chroot" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
mkdir -p "$chroot/build"
cp "$work/source"/teclarium_* "$chroot/build/"
in_chroot useradd -m builder
in_chroot chown -R builder: /build

echo "== build dependencies"
in_chroot apt-get update -qq
in_chroot env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq "/build/$dsc" >"$work/build-dep.log" 2>&1 ||
    fail "apt-get build-dep failed: $(tail -n 20 "$work/build-dep.log")"
in_chroot dpkg-query -W -f='${Package} ${Version}\n' gcc g++ qt6-base-dev cmake

echo "== dpkg-buildpackage, with the tests"
t=$SECONDS
in_chroot su builder -c "cd /build && dpkg-source -x $dsc src >/dev/null &&
    cd src && DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b" >"$work/build.log" 2>&1 ||
    fail "dpkg-buildpackage failed (log: $work/build.log): $(grep -E 'FAIL|error' "$work/build.log" | tail -n 30)"
grep -E 'tests passed|tests failed' "$work/build.log" || fail "the suite did not run inside the build"
if grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' "$work/build.log" >"$work/warnings.txt"; then
    fail "the compiler warned: $(head -n 20 "$work/warnings.txt")"
fi
echo "built and tested in $((SECONDS - t)) s"

echo "== install and autopkgtest"
deb=$(cd "$chroot/build" && ls teclarium_*_amd64.deb)
# The test's own dependencies, from debian/tests/control.
deps=$(sed -n '/^Depends:/,/^Restrictions:/p' "$chroot/build/src/debian/tests/control" |
    sed 's/^Depends://; /^Restrictions:/d' | tr -d ' ,@' | tr '\n' ' ')
# shellcheck disable=SC2086
in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/build/$deb" $deps >"$work/install.log" 2>&1 ||
    fail "installing $deb failed: $(tail -n 20 "$work/install.log")"
in_chroot sh -c 'cd /build/src && AUTOPKGTEST_TMP=$(mktemp -d) debian/tests/installed-program' ||
    fail "the autopkgtest failed in Debian 13"
echo "== Debian 13: package built with its tests, installed and run, in $((SECONDS - started)) s"
