#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Builds the Debian package from debian/ twice, each time in a fresh copy of the source
# in its own folder, with dpkg-buildpackage on two jobs: once as a fresh machine would
# (no tests), once as a build daemon would (the suite run inside the build); checks
# that the compiler warned of nothing and that both builds gave the same bytes; checks the package with
# lintian --pedantic (any tag not overridden fails), its AppStream metadata and desktop
# entry; installs it with apt-get and runs the installed command's options; then starts
# the installed program as a user who is not root under Xvfb: no shortcut offer (the
# menus show it already), a drill on the installed exercise, its report, the help, the
# progress window with its chart module, a shortcut on the desktop through Arxiu > Crea
# accés directe..., and Arxiu > Surt. The settings, history and shortcut must be in
# that user's folders. Last it purges the package and checks nothing of it is left.
# Exits non-zero on any failure. Run as root (it installs a package and adds a user).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
user=teclarium-ci

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# ---- Under Xvfb (this script again, through with-xvfb.sh): the installed program.
if [ "${1:-}" = "--session" ]; then
    home="$2" runtime="$3"
    log="$runtime/teclarium.log"
    pid=""
    trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; true' EXIT
    # setpriv runs the command in this process: $! is the program's own id.
    setpriv --reuid="$user" --regid="$user" --init-groups \
        env -i HOME="$home" USER="$user" LOGNAME="$user" PATH=/usr/bin:/bin LANG=C.UTF-8 \
        DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
        teclarium >"$log" 2>&1 &
    pid=$!

    windows() { xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null || true; }
    # The first visible window of the program whose title matches (ASCII regex).
    wait_window() {
        local w
        w=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1) ||
            true
        [ -n "$w" ] || fail "no window '$1' (program log: $(cat "$log"))"
        echo "$w"
    }
    # Keys go to the window given, focused first. They are typed as on the keyboard
    # (XTEST), not sent to that window: a key that closes it would lose its release
    # with the window, and stay down, repeating (Esc closing every menu opened later).
    keys() {
        local w=$1
        shift
        xdotool windowfocus --sync "$w" 2>/dev/null || true
        xdotool key "$@"
    }
    # A dialog just shown may not have the input focus yet: the key is sent again
    # until the dialog has gone.
    answer() {
        local w=$1 key=$2
        for _ in $(seq 1 25); do
            keys "$w" "$key"
            sleep 0.2
            windows | grep -qx "$w" || return 0
        done
        fail "the window $w did not close with $key"
    }
    # Arxiu (clicked at the menu bar's left), then keys to its popup menu.
    file_menu() {
        local main=$1 popup=""
        shift
        xdotool windowfocus --sync "$main"
        xdotool mousemove --window "$main" 20 10 click 1
        for _ in $(seq 1 25); do
            popup=$(windows | grep -vx "$main" | head -n 1) || true
            [ -n "$popup" ] && break
            sleep 0.2
        done
        [ -n "$popup" ] || fail "the menu Arxiu did not open"
        # The menu holds the keyboard: the keys reach it as typed.
        xdotool key "$@"
    }

    # The installed program is in the menus already: no shortcut offer at the first start.
    main=$(wait_window '^Teclarium$')
    sleep 1
    if timeout 1 xdotool search --all --onlyvisible --pid "$pid" --name '^Creaci' >/dev/null 2>&1; then
        fail "the installed program offered a shortcut at its first start"
    fi
    # The installed exercise 11.tcm is loaded: its first word is "fj". One word typed,
    # then Esc: the drill's report.
    keys "$main" space f j space Escape
    report=$(wait_window '^Informaci')
    answer "$report" Return
    # The installed help file opens in the help window.
    help=""
    for _ in $(seq 1 10); do
        keys "$main" F1
        help=$(timeout 1 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Ajuda de Teclarium' \
            2>/dev/null | head -n 1) || true
        [ -n "$help" ] && break
    done
    [ -n "$help" ] || fail "F1 did not open the help (program log: $(cat "$log"))"
    answer "$help" Escape
    # Arxiu > Progrés... (four up from the end, above Curs... and Informe del grup...):
    # with one drill in the history it shows the chart, from the installed module.
    file_menu "$main" Up Up Up Up Return
    progress=$(wait_window '^Progr')
    grep -q ' /usr/lib/teclarium/libteclarium_chart.so$' "/proc/$pid/maps" ||
        fail "the progress window did not load /usr/lib/teclarium/libteclarium_chart.so"
    answer "$progress" Escape
    # Arxiu > Crea accés directe... (the first item) offers the desktop only: accepted.
    file_menu "$main" Down Return
    dialog=$(wait_window '^Creaci')
    answer "$dialog" Return
    # Arxiu > Surt (the last item); the session's practice time is shown at close.
    file_menu "$main" Up Return
    summary=$(wait_window '^Informaci')
    answer "$summary" Return
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end after Arxiu > Surt"
    wait "$pid" || fail "the program ended with exit code $? (log: $(cat "$log"))"
    pid=""
    if [ -s "$log" ]; then
        echo "program output:"
        cat "$log"
    fi
    exit 0
fi

# ---- The package.
[ "$(id -u)" -eq 0 ] || fail "run as root: the script installs a package and adds a user"
started=$SECONDS
"$root/scripts/install-deps.sh" --tests lintian appstream desktop-file-utils dpkg-dev debhelper file git
build="$root/build-package"
rm -rf "$build"
unpacked="$(mktemp -d)"
created_user=0
runtime=""
cleanup() {
    rm -rf "$unpacked"
    [ -n "$runtime" ] && rm -rf "$runtime"
    if dpkg-query -W -f='${Status}' teclarium 2>/dev/null | grep -q "install ok installed"; then
        apt-get purge -y -o DPkg::Lock::Timeout=300 teclarium >/dev/null || true
    fi
    [ "$created_user" -eq 1 ] && userdel -r "$user" 2>/dev/null
    true
}
trap cleanup EXIT
# The first build as a fresh machine makes it, without the tests; the second as a build
# daemon does, with the suite run inside the build. Both must give the same bytes.
build_options() {
    if [ "$1" = a ]; then
        export DEB_BUILD_OPTIONS="nocheck parallel=2" DEB_BUILD_PROFILES=nocheck
    else
        export DEB_BUILD_OPTIONS="parallel=2"
        unset DEB_BUILD_PROFILES
    fi
}
# Each build in a fresh copy of the source (its files under version control, and the
# new ones not ignored), in folders of different names.
for copy in a b; do
    src="$build/$copy/teclarium-1.0"
    mkdir -p "$src"
    git -C "$root" ls-files -z --cached --others --exclude-standard |
        (cd "$root" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
        tar -C "$root" --null -T - -cf - | tar -C "$src" -xf -
done
if ! (cd "$build/a/teclarium-1.0" && dpkg-checkbuilddeps 2>/dev/null); then
    apt-get build-dep -y -o DPkg::Lock::Timeout=300 "$build/a/teclarium-1.0"
fi
for copy in a b; do
    echo "== dpkg-buildpackage ($copy)"
    t=$SECONDS
    (cd "$build/$copy/teclarium-1.0" && build_options $copy && dpkg-buildpackage -b -us -uc) \
        >"$build/$copy/build.log" 2>&1 || fail "dpkg-buildpackage failed: $(tail -n 30 "$build/$copy/build.log")"
    echo "built in $((SECONDS - t)) s"
    # The compiler, with dpkg-buildflags' hardening and optimisation, warns of nothing.
    if grep -E '^[^ ]+:[0-9]+:[0-9]+: warning:' "$build/$copy/build.log"; then
        fail "the compiler warned in the package build ($copy)"
    fi
done
grep -E '^[0-9]+% tests passed' "$build/b/build.log" || fail "the suite did not run inside the second build"
debs=("$build"/a/teclarium_*_amd64.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then fail "dpkg-buildpackage made no single teclarium_*_amd64.deb"; fi
deb="${debs[0]}"
compgen -G "$build/a/teclarium-dbgsym_*_amd64.deb" >/dev/null || fail "no debug-symbols package"
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Section Depends Recommends

echo "== reproducible"
for f in "$build"/a/*.deb; do
    other="$build/b/$(basename "$f")"
    [ -f "$other" ] || fail "the second build made no $(basename "$f")"
    if ! cmp -s "$f" "$other"; then
        # Which files differ, to start looking.
        mkdir -p "$build/diff/a" "$build/diff/b"
        dpkg-deb -x "$f" "$build/diff/a"
        dpkg-deb -x "$other" "$build/diff/b"
        diff -r "$build/diff/a" "$build/diff/b" || true
        diff <(dpkg-deb -c "$f") <(dpkg-deb -c "$other") || true
        fail "two builds of the same source differ: $(basename "$f")"
    fi
done
echo "two builds, byte-identical: $(cd "$build/a" && ls ./*.deb | xargs -n1 basename | tr '\n' ' ')"

echo "== hardening"
dpkg-deb -x "$deb" "$unpacked"
# (readelf's whole output read first: grep -q ending the pipe early would fail it.)
modules=(usr/libexec/Teclarium usr/lib/teclarium/libteclarium_chart.so usr/lib/teclarium/libteclarium_print.so
    usr/lib/teclarium/libteclarium_voice.so)
for f in "${modules[@]}"; do
    dynamic=$(readelf -d "$unpacked/$f")
    grep -q 'FLAGS.*NOW' <<<"$dynamic" || fail "$f: not linked with -z now"
    grep -q GNU_RELRO <<<"$(readelf -lW "$unpacked/$f")" || fail "$f: no read-only relocations"
    grep -q '__stack_chk_fail' <<<"$(readelf -sW --dyn-syms "$unpacked/$f")" || fail "$f: no stack protector"
done
program="$unpacked/usr/libexec/Teclarium"
grep -q 'Type: *DYN' <<<"$(readelf -h "$program")" || fail "the program is not position-independent"
grep -q '_chk@' <<<"$(readelf -sW --dyn-syms "$program")" || fail "the program: no fortified functions"
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)
! grep -qE 'inst|rm|triggers' <<<"$control" || fail "the package has maintainer scripts or triggers: $control"
# Control-flow protection: the linker marks a module only when every object in it is
# marked, the C library's start files too; those of Debian 12 are not, so no program
# there is marked. Every object the build compiled must be marked; where the start
# files are, every module must be.
while IFS= read -r -d '' o; do
    grep -q 'IBT, SHSTK' <<<"$(readelf -nW "$o")" || fail "$o: compiled without control-flow protection"
done < <(find "$build/a/teclarium-1.0/obj-x86_64-linux-gnu" -name '*.o' -print0)
if grep -q 'IBT' <<<"$(readelf -n /usr/lib/x86_64-linux-gnu/crti.o)"; then
    for f in "${modules[@]}"; do
        grep -q 'IBT, SHSTK' <<<"$(readelf -nW "$unpacked/$f")" || fail "$f: no control-flow protection note"
    done
    echo "bind now, read-only relocations, stack protector, PIE, fortify, control-flow protection; no maintainer scripts"
else
    echo "bind now, read-only relocations, stack protector, PIE, fortify; no maintainer scripts"
    echo "(control-flow protection not checked: this C library's start files carry no note)"
fi

echo "== lintian"
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$build"/a/teclarium_*_amd64.changes ||
    fail "lintian reports tags that are not overridden"

echo "== metadata"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
echo "metainfo and desktop entry valid"

echo "== install"
if dpkg-query -W -f='${Status}' teclarium 2>/dev/null | grep -q "install ok installed"; then
    echo "purging the teclarium package installed before"
    apt-get purge -y -o DPkg::Lock::Timeout=300 teclarium >/dev/null
fi
apt-get install -y -o DPkg::Lock::Timeout=300 "$deb"
[ "$(readlink -f "$(command -v teclarium)")" = /usr/libexec/Teclarium ] ||
    fail "the command teclarium does not lead to /usr/libexec/Teclarium"
zcat /usr/share/man/ca/man1/teclarium.1.gz | grep -q '^\.SH NOM' || fail "no Catalan manual page teclarium(1)"
zcat /usr/share/man/man1/teclarium.1.gz | grep -q '^\.SH NAME' || fail "no English manual page teclarium(1)"

if ! id "$user" >/dev/null 2>&1; then
    useradd -m "$user"
    created_user=1
fi
home="$(getent passwd "$user" | cut -d: -f6)"
rm -rf "$home/.local/share/Teclarium" "$home/Desktop"
as_user() { setpriv --reuid="$user" --regid="$user" --init-groups env -i HOME="$home" PATH=/usr/bin:/bin "$@"; }

echo "== options (no display)"
out=$(as_user teclarium --help) || fail "teclarium --help failed"
[ "$(head -n 1 <<<"$out")" = "Ús: teclarium [OPCIÓ]" ] || fail "teclarium --help printed: $out"
out=$(as_user teclarium --version) || fail "teclarium --version failed"
[[ "$(head -n 1 <<<"$out")" =~ ^Teclarium\ [0-9]+\.[0-9]+$ ]] || fail "teclarium --version printed: $out"
grep -q '(GPL-3.0-or-later)' <<<"$out" || fail "teclarium --version names no licence: $out"
code=0
err=$(as_user teclarium --bogus 2>&1 >/dev/null) || code=$?
[ "$code" -eq 2 ] || fail "teclarium --bogus ended with $code, not 2"
[ "$(head -n 1 <<<"$err")" = "Opció desconeguda: --bogus" ] || fail "teclarium --bogus printed: $err"
grep -q "^Ús: teclarium" <<<"$err" || fail "teclarium --bogus printed no usage"
echo "--help, --version and --bogus as expected"

echo "== the installed program, as $user under Xvfb"
runtime="$(mktemp -d)"
chown "$user:" "$runtime"
chmod 700 "$runtime"
"$root/scripts/with-xvfb.sh" "$0" --session "$home" "$runtime"
settings="$home/.local/share/Teclarium/Teclarium.ini"
[ -f "$settings" ] || fail "no settings file $settings"
grep -q '^MkLink=0' "$settings" || fail "$settings does not hold MkLink=0"
[ "$(stat -c %U "$settings")" = "$user" ] || fail "$settings does not belong to $user"
[ -s "$home/.local/share/Teclarium/Teclarium.hist" ] || fail "no drill history beside the settings"
shortcut="$home/Desktop/Teclarium.desktop"
[ -f "$shortcut" ] || fail "no shortcut $shortcut"
grep -qx 'Exec="teclarium"' "$shortcut" || fail "the shortcut does not start the command: $(cat "$shortcut")"
grep -qx 'Icon=teclarium' "$shortcut" || fail "the shortcut does not name the installed icon: $(cat "$shortcut")"
[ "$(stat -c %U "$shortcut")" = "$user" ] || fail "$shortcut does not belong to $user"
[ ! -e "$home/.local/share/applications/Teclarium.desktop" ] || fail "a second menu entry was made"
[ ! -e /usr/libexec/Teclarium.ini ] || fail "settings written beside the installed program"
echo "settings, history and shortcut in $user's folders"

echo "== purge"
mapfile -t files < <(dpkg-query -L teclarium | while read -r f; do [ -d "$f" ] && [ ! -L "$f" ] || echo "$f"; done)
apt-get purge -y -o DPkg::Lock::Timeout=300 teclarium
for f in "${files[@]}"; do
    if [ -e "$f" ] || [ -L "$f" ]; then fail "$f is still there after purging"; fi
done
for d in /usr/share/teclarium /usr/lib/teclarium /usr/share/doc/teclarium; do
    [ ! -e "$d" ] || fail "$d is still there after purging"
done
status=$(dpkg-query -W -f='${db:Status-Abbrev}' teclarium 2>/dev/null || true)
[ -z "$status" ] || [ "$status" = "un " ] || fail "dpkg still knows the package after purging: '$status'"
echo "package purged: its ${#files[@]} files are gone, dpkg knows nothing of it"
echo "== package checks passed in $((SECONDS - started)) s"
