#!/usr/bin/env bash
# Runs the end-to-end lane as on a Debian desktop: dbus-x11, orca and at-spi2-core installed, the
# user's own session bus and speech-dispatcher running, and PipeWire's pulse layer as the sound
# server instead of PulseAudio (GNOME's default). The plays must pass there too: their fixtures
# start a private PipeWire where PulseAudio's daemon is absent.
#
#   scripts/desktop_check.sh            PipeWire's packages are downloaded and unpacked into a
#                                       private folder and the plays use them from there; the
#                                       machine's own sound server is left as it is (safe on a
#                                       shared machine). Installs dbus-x11, orca, at-spi2-core if
#                                       missing, removing nothing.
#   scripts/desktop_check.sh --install  installs pipewire-audio for real, which REMOVES
#                                       PulseAudio's daemon: only on a throwaway machine.
# Needs a build (scripts/build.sh) and the test packages (scripts/setup.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-unpacked}"
case "$mode" in unpacked|--install) ;; *) echo "usage: scripts/desktop_check.sh [--install]" >&2; exit 2 ;; esac
[ -x build/yacht ] || { echo "desktop check: no build/yacht (run scripts/build.sh)" >&2; exit 2; }
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

work="$(mktemp -d /tmp/yacht-desktop.XXXXXX)"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-remove dbus-x11 orca at-spi2-core >/dev/null
if [ "$mode" = --install ]; then
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq pipewire-audio >/dev/null
    command -v pulseaudio >/dev/null && { echo "desktop check: PulseAudio's daemon is still installed"; exit 1; }
else
    # The packages pipewire-audio brings for the sound server itself, unpacked, not installed.
    mkdir "$work/debs" "$work/root"
    (cd "$work/debs" && apt-get download -q pipewire pipewire-bin pipewire-pulse wireplumber \
        libpipewire-0.3-0 libpipewire-0.3-common libpipewire-0.3-modules libspa-0.2-modules \
        libwireplumber-0.4-0 liblua5.3-0 2>&1 | grep -v '^W: Download is performed unsandboxed' || true)
    for deb in "$work"/debs/*.deb; do dpkg -x "$deb" "$work/root"; done
    r="$work/root" lib="$work/root/usr/lib/x86_64-linux-gnu"
    export PATH="$r/usr/bin:$PATH" LD_LIBRARY_PATH="$lib" SPA_PLUGIN_DIR="$lib/spa-0.2" \
        PIPEWIRE_MODULE_DIR="$lib/pipewire-0.3" PIPEWIRE_CONFIG_DIR="$r/usr/share/pipewire" \
        WIREPLUMBER_MODULE_DIR="$lib/wireplumber-0.4" WIREPLUMBER_DATA_DIR="$r/usr/share/wireplumber" \
        WIREPLUMBER_CONFIG_DIR="$r/usr/share/wireplumber" YACHT_E2E_SOUND_SERVER=pipewire
fi

# The user's own desktop session: a session bus and a speech-dispatcher of theirs, which the
# plays must neither use nor disturb.
export XDG_RUNTIME_DIR="$work/user-run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
speech-dispatcher --run-daemon --timeout 0 --pid-file "$work/speechd.pid" >/dev/null 2>&1 || true
for _ in $(seq 50); do [ -s "$work/speechd.pid" ] && break; sleep 0.1; done
[ -s "$work/speechd.pid" ] && pids+=("$(cat "$work/speechd.pid")")
echo "desktop: dbus-x11, orca, at-spi2-core installed; the user's bus at $DBUS_SESSION_BUS_ADDRESS;" \
    "the user's speech-dispatcher ${pids[1]:-not running}; sound server for the plays:" \
    "$([ "$mode" = --install ] && echo "PipeWire installed" || echo "PipeWire unpacked in $work/root")"

ctest --test-dir build -L e2e --output-on-failure --parallel 4 --timeout 1800
