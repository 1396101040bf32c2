#!/usr/bin/env bash
# Builds the game and runs the README's test command inside a Debian 13 (trixie) root, so the
# game is checked against Qt 6.8, GCC 14 and Orca 48 on a Debian 12 machine.
#   scripts/debian13_check.sh          every lane, as scripts/test.sh
#   scripts/debian13_check.sh --fast   the core and qt lanes only
#   scripts/debian13_check.sh --run COMMAND...   runs the command in the tree's copy in the root
#                                      instead (after a check has built it there), for example
#                                      python3 scripts/latency_figures.py build --screen-reader
# The root is made once with debootstrap in build-debian13/root (YACHT_DEBIAN13_DIR names
# another folder) and reused; the build and test packages are installed there by the same
# scripts/setup.sh the host uses. The tree is copied into the root (build folders left out), the
# root's own build/ is kept between runs. Everything the tests need is mounted for the run only,
# in a mount namespace of the check's own, and unmounted on every way out (an interrupt too).
# The run inside has a process namespace of its own with its own /proc, so a screen reader or
# speech server running on the host is not seen from the root (Orca will not start beside
# another Orca), and ending the run's first process ends every process of it.
# Nothing outside the folder is written and no package of the host is touched. Needs root (it
# asks sudo) and debootstrap. Ends with scripts/test.sh's line "summary: N passed, N failed,
# N skipped", and a non-zero status on any failure: 77 when the root could not be made (no
# mirror reachable), so that CI can tell a machine without one from a failing test.
set -euo pipefail
cd "$(dirname "$0")/.."
tree="$PWD"

case "${1:-}" in
    ""|--fast) ;;
    --run) [ $# -ge 2 ] || { echo "usage: scripts/debian13_check.sh --run COMMAND..." >&2; exit 2; } ;;
    *) echo "usage: scripts/debian13_check.sh [--fast | --run COMMAND...]" >&2; exit 2 ;;
esac

if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=YACHT_DEBIAN13_DIR "$0" "$@"
fi
# The mounts live in a namespace of their own: even a kill -9 cannot leave them in the host's.
if [ -z "${YACHT_DEBIAN13_NAMESPACE:-}" ]; then
    export YACHT_DEBIAN13_NAMESPACE=1
    exec unshare --mount --propagation private -- "$0" "$@"
fi

folder="$(realpath -m "${YACHT_DEBIAN13_DIR:-build-debian13}")"
root="$folder/root"
began=$SECONDS
if ! command -v debootstrap >/dev/null; then
    echo "debian13_check: needs debootstrap (sudo apt-get install debootstrap)" >&2
    exit 1
fi

# The mirror the host's apt uses for Debian, else Debian's own.
hostMirror() {
    grep -hsoE 'https?://[^ ]*/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources | grep -v security | head -1 | tr -d ' ' || true
}

made=reused
if [ ! -f "$root/.yacht-root-ready" ]; then
    made=made
    rm -rf "$root"
    mkdir -p "$folder"
    mirror="$(hostMirror)"
    echo "debian13_check: making the Debian 13 root in $root from ${mirror:=http://deb.debian.org/debian}"
    debootstrap --variant=minbase trixie "$root" "$mirror" >"$folder/debootstrap.log" 2>&1 || {
        tail -20 "$folder/debootstrap.log" >&2
        echo "debian13_check: debootstrap failed (log: $folder/debootstrap.log)" >&2
        exit 77
    }
    # No service starts inside the root when its package is installed.
    printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    touch "$root/.yacht-root-ready"
fi
rooted=$SECONDS

mounted=()
# Whatever still runs inside the root, by its id; then every mount, innermost first.
cleanup() {
    local pids pid i
    pids=""
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && pids+=" ${pid#/proc/}"
    done
    if [ -n "$pids" ]; then
        kill $pids 2>/dev/null || true
        sleep 1
        kill -9 $pids 2>/dev/null || true
    fi
    for (( i=${#mounted[@]}-1; i>=0; i-- )); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null || true
    done
    mounted=()
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mountInRoot() {   # mountInRoot TARGET mount-arguments...
    local target="$root/$1"
    shift
    mkdir -p "$target"
    mount "$@" "$target"
    mounted+=("$target")
}
# /proc is mounted by unshare below, for the run's own process namespace only.
mkdir -p "$root/proc"
mountInRoot sys -t sysfs sysfs
mountInRoot dev --bind /dev
mountInRoot dev/pts -t devpts -o newinstance,ptmxmode=0666,gid=5,mode=620 devpts
mountInRoot dev/shm -t tmpfs -o mode=1777,nosuid,nodev tmpfs
mountInRoot run -t tmpfs -o mode=755,nosuid,nodev tmpfs
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

# The tree's own files, with their times, so the root's build/ rebuilds only what changed.
copy="$root/yacht"
mkdir -p "$copy"
find "$copy" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard | grep -zv '^build' \
        | xargs -0 cp -a --parents -t "$copy" 2>/dev/null || true
else
    tar --exclude='./build*' -cf - . | tar -xf - -C "$copy"
fi

inRoot() {   # inRoot COMMAND...: runs in the tree's copy, in a process namespace of its own
    unshare --pid --kill-child --mount-proc="$root/proc" -- \
        chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" /bin/bash -c 'cd /yacht && "$@"' inRoot "$@"
}

status=0
if [ "${1:-}" = "--run" ]; then
    shift
    ( inRoot "$@" ) &
    wait $! || status=$?
    cleanup
    exit "$status"
fi

log="$folder/test.log"
# In the background, so an interrupt is taken at once rather than when the tests end: the trap
# then stops whatever runs in the root and unmounts.
( inRoot scripts/test.sh "$@" 2>&1 | tee "$log" ) &
wait $! || status=$?
cleanup

summary="$(grep -E '^summary: ' "$log" | tail -1 || true)"
[ -n "$summary" ] || summary="summary: 0 passed, 1 failed, 0 skipped"
echo "debian13_check: root $made in $((rooted - began)) s, packages, build and tests $((SECONDS - rooted)) s, whole check $((SECONDS - began)) s"
echo "$summary"
[ "$status" -eq 0 ]
