#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Installs the Debian packages that building and running the program need, when missing;
# with --tests first, also those the tests need (Xvfb and the X tools, the spelling
# dictionary, the PDF tools, the accessibility bus, Google Benchmark, the speech
# daemons); and the further packages named as arguments (the fuzzing tools, for example).
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libx11-dev
          libxcb1-dev libxkbcommon-dev libxkbcommon-x11-dev libxcb-xkb-dev libx11-data libspeechd-dev libsqlite3-dev
          xkb-data fonts-dejavu-core qt6-translations-l10n)
if [ "${1:-}" = "--tests" ]; then
    shift
    packages+=(libbenchmark-dev libxtst-dev libxdamage-dev
               xvfb xdotool x11-xkb-utils x11-utils poppler-utils
               hunspell hunspell-ca
               dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
               speech-dispatcher speech-dispatcher-espeak-ng espeak-ng)
fi
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
