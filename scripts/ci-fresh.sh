#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Runs the CI as a new machine would: makes a minimal Debian 12 system (debootstrap
# minbase) in a folder of its own, installs only git and ca-certificates in it, clones
# this repository's committed branch into it and runs `CI=true bash .ci/run` there.
# Uncommitted changes are not part of the run.
# Usage (as root): ci-fresh.sh [--package] [--keep] [FOLDER]
#   --package  scripts/test-package.sh alone (the package's build, checks and session)
#   --keep     keep the system afterwards (it is removed by default)
#   FOLDER     where to make it (default: a new folder under /var/tmp); an existing
#              system made by this script there is used again, with a fresh clone
# Exits with the run's exit code.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"
what=ci keep=0 dir=""
for arg in "$@"; do
    case "$arg" in
        --package) what=package ;;
        --keep) keep=1 ;;
        -*) echo "usage: $0 [--package] [--keep] [FOLDER]" >&2; exit 2 ;;
        *) dir="$arg" ;;
    esac
done
[ "$(id -u)" -eq 0 ] || { echo "run as root: it makes a system with debootstrap and chroot" >&2; exit 1; }
branch="$(git -C "$root" rev-parse --abbrev-ref HEAD)"
[ -n "$dir" ] || dir="$(mktemp -d /var/tmp/teclarium-fresh.XXXXXX)"
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"

mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
    if [ "$keep" -eq 0 ]; then
        rm -rf --one-file-system "$dir"
    else
        echo "the system stays in $dir"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$SECONDS
if [ ! -x "$dir/usr/bin/apt-get" ]; then
    command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y debootstrap
    echo "== debootstrap --variant=minbase bookworm $dir"
    debootstrap --variant=minbase bookworm "$dir" "$mirror" >"$dir.debootstrap.log" 2>&1 ||
        { tail -n 30 "$dir.debootstrap.log" >&2; exit 1; }
    rm -f "$dir.debootstrap.log"
    echo "made in $((SECONDS - started)) s"
fi
for m in proc sys dev/pts dev/shm; do
    mkdir -p "$dir/$m"
    case "$m" in
        proc) mount -t proc proc "$dir/proc" ;;
        sys) mount -t sysfs sysfs "$dir/sys" ;;
        dev/pts) mount --bind /dev/pts "$dir/dev/pts" ;;
        dev/shm) mount -t tmpfs -o mode=1777 tmpfs "$dir/dev/shm" ;;
    esac
    mounted+=("$dir/$m")
done
cp /etc/resolv.conf "$dir/etc/resolv.conf"
in_system() {
    chroot "$dir" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM=dumb "$@"
}
in_system apt-get update -qq
in_system env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends git ca-certificates \
    >/dev/null
rm -rf "$dir/root/teclarium"
git clone -q --no-local --branch "$branch" "$root" "$dir/root/teclarium"
echo "== $what on a fresh Debian $(cat "$dir/etc/debian_version"), branch $branch at $(git -C "$dir/root/teclarium" rev-parse --short HEAD)"
t=$SECONDS
code=0
if [ "$what" = package ]; then
    in_system bash -c 'cd /root/teclarium && CI=true scripts/test-package.sh' || code=$?
else
    in_system bash -c 'cd /root/teclarium && CI=true bash .ci/run' || code=$?
fi
echo "== $what ended with exit code $code after $((SECONDS - t)) s ($((SECONDS - started)) s in all)"
exit "$code"
