#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested, when they are missing.
# Safe to run again: it installs nothing that is already there. Usage: scripts/setup.sh [play|test]
set -euo pipefail

purpose="${1:-play}"

build_packages=(cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-speech-dev qt6-multimedia-dev qt6-declarative-dev libxkbcommon-dev
    libspeechd-dev libgtest-dev libgmock-dev libbenchmark-dev)
run_packages=(qt6-speech-flite-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    pulseaudio pulseaudio-utils fonts-liberation libqt6multimedia6)
test_packages=(xvfb xdotool x11-utils sox python3 procps python3-pytest openbox dbus-daemon
    orca at-spi2-core x11-xkb-utils)

wanted=("${build_packages[@]}" "${run_packages[@]}")
[ "$purpose" = test ] && wanted+=("${test_packages[@]}")

missing=()
for p in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
