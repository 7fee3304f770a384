#!/usr/bin/env bash
# Builds the Debian package as the README says (its own build folder), checks it
# (lintian: errors fail, warnings shown; the AppStream metadata; the desktop entry),
# installs it with apt-get, runs the installed command's options, then starts the
# installed program as a user who is not root under Xvfb: its shortcut offer, a drill
# on the installed exercise, its report, the help, the progress window with its
# chart module, and Arxiu > Surt. The settings, history and shortcut must be in that
# user's folders. Last it removes the package and checks its files went with it.
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
    # Keys go to the window given, focused first. A key that closes it leaves its
    # release without a window: that error is expected.
    keys() {
        local w=$1
        shift
        xdotool windowfocus --sync "$w" 2>/dev/null || true
        xdotool key --window "$w" "$@" 2>/dev/null || true
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
        xdotool key --window "$popup" "$@" 2>/dev/null || true
    }

    # The first start offers a shortcut: accepted as offered (on the desktop).
    dialog=$(wait_window '^Creaci')
    answer "$dialog" Return
    main=$(wait_window '^Teclarium$')
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
"$root/scripts/install-deps.sh" lintian appstream desktop-file-utils dpkg-dev file
build="$root/build-package"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target teclarium
rm -f "$build"/teclarium_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/teclarium_*_amd64.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then fail "cpack made no single teclarium_*_amd64.deb"; fi
deb="${debs[0]}"
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Section Depends

echo "== lintian"
lintian --fail-on error "$deb" || fail "lintian reports errors"

echo "== metadata"
unpacked="$(mktemp -d)"
created_user=0
runtime=""
cleanup() {
    rm -rf "$unpacked"
    [ -n "$runtime" ] && rm -rf "$runtime"
    if dpkg-query -W -f='${Status}' teclarium 2>/dev/null | grep -q "install ok installed"; then
        apt-get remove -y -o DPkg::Lock::Timeout=300 teclarium >/dev/null || true
    fi
    [ "$created_user" -eq 1 ] && userdel -r "$user" 2>/dev/null
    true
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
echo "metainfo and desktop entry valid"

echo "== install"
if dpkg-query -W -f='${Status}' teclarium 2>/dev/null | grep -q "install ok installed"; then
    echo "removing the teclarium package installed before"
    apt-get remove -y -o DPkg::Lock::Timeout=300 teclarium >/dev/null
fi
apt-get install -y -o DPkg::Lock::Timeout=300 "$deb"
[ "$(readlink -f "$(command -v teclarium)")" = /usr/libexec/Teclarium ] ||
    fail "the command teclarium does not lead to /usr/libexec/Teclarium"
zcat /usr/share/man/man1/teclarium.1.gz | grep -q '^\.SH NOM' || fail "no manual page teclarium(1)"

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
grep -qx 'Icon=/usr/share/icons/hicolor/scalable/apps/teclarium.svg' "$home/Desktop/Teclarium.desktop" ||
    fail "the shortcut does not name the installed icon"
[ ! -e /usr/libexec/Teclarium.ini ] || fail "settings written beside the installed program"
echo "settings, history and shortcut in $user's folders"

echo "== remove"
mapfile -t files < <(dpkg-query -L teclarium | while read -r f; do [ -d "$f" ] && [ ! -L "$f" ] || echo "$f"; done)
apt-get remove -y -o DPkg::Lock::Timeout=300 teclarium
for f in "${files[@]}"; do
    if [ -e "$f" ] || [ -L "$f" ]; then fail "$f is still there after removal"; fi
done
if [ -e /usr/share/teclarium ] || [ -e /usr/lib/teclarium ]; then fail "the package's folders are still there"; fi
echo "package removed: its ${#files[@]} files are gone"
