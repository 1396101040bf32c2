#!/usr/bin/env bash
# Builds the Debian package from a copy of the tree, as Debian would (dpkg-buildpackage with the
# debian/ folder), and leaves yacht_*.deb in the given folder (default: build-package/).
# Usage: scripts/package.sh [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build-package}")"
mkdir -p "$out"
work="$(mktemp -d /tmp/yacht-package.XXXXXX)"
trap 'rm -rf "$work"' EXIT

# Only the tree's own files: no build folders, whatever else lies in the working copy.
mkdir "$work/yacht"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard | grep -zv '^build' \
        | xargs -0 cp --parents -t "$work/yacht"
else
    tar --exclude='./build*' -cf - . | tar -xf - -C "$work/yacht"
fi

(cd "$work/yacht" && dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$work/build.log" 2>&1 || {
    tail -50 "$work/build.log" >&2
    echo "package: dpkg-buildpackage failed" >&2
    exit 1
}
cp "$work"/yacht_*.deb "$out"/
ls "$out"/yacht_*.deb
