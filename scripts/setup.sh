#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested, when they are missing.
# Safe to run again: it installs nothing that is already there, never lets apt remove or replace
# a package, and never installs a sound server for playing: the desktop has its own.
# Usage: scripts/setup.sh [play|test] [--list]   (--list prints every package it wants, and stops)
set -euo pipefail

purpose="${1:-play}"
list_only=false
[ "${2:-}" = --list ] && list_only=true

build_packages=(cmake ninja-build g++ pkg-config python3 librsvg2-bin
    qt6-base-dev qt6-speech-dev qt6-multimedia-dev qt6-declarative-dev libxkbcommon-dev
    libxcb1-dev libspeechd-dev libpulse-dev libsqlite3-dev libncurses-dev libgtest-dev libgmock-dev libbenchmark-dev gettext)
run_packages=(qt6-speech-flite-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    fonts-liberation libqt6multimedia6 qt6-translations-l10n)
# pulseaudio-utils holds only the clients (pactl, parecord), no server.
test_packages=(xvfb xdotool x11-utils wmctrl sox python3 procps python3-pytest openbox dbus-daemon
    orca at-spi2-core gir1.2-atspi-2.0 python3-gi x11-xkb-utils
    tmux screen strace pulseaudio-utils build-essential debhelper dpkg-dev fakeroot lintian desktop-file-utils appstream man-db locales)

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

wanted=("${build_packages[@]}" "${run_packages[@]}")
if [ "$purpose" = test ]; then
    wanted+=("${test_packages[@]}")
    # The tests run a private sound server from whatever the machine has; only a machine with no
    # sound server at all gets PulseAudio for them.
    if ! installed pulseaudio && ! installed pipewire-pulse; then
        wanted+=(pulseaudio)
    fi
fi

if $list_only; then
    printf '%s\n' "${wanted[@]}"
    exit 0
fi
missing=()
for p in "${wanted[@]}"; do
    installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
# --no-remove: should any of these need another package taken away, apt stops instead.
"${sudo[@]}" apt-get install -y -qq --no-install-recommends --no-remove \
    -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
