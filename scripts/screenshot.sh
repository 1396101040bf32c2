#!/usr/bin/env bash
# Takes a picture of the game in the middle of a turn, through the end-to-end play that makes it
# (tests/e2e/test_screenshot.py): a private X server of 1280 x 1024 with a window manager, the
# game silent with fixed dice and private folders, driven to the third throw with one die held and
# a category under the cursor, then the screen saved as a PNG.
# Usage: scripts/screenshot.sh [OUTPUT.png] [path-to-yacht]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshot.png}")"
yacht="${2:-build/yacht}"
[ -x "$yacht" ] || { echo "screenshot: no game at $yacht (run scripts/build.sh)" >&2; exit 2; }
PYTHONDONTWRITEBYTECODE=1 pytest-3 -q tests/e2e/test_screenshot.py --yacht "$(realpath "$yacht")" \
    --screenshot "$out"
echo "screenshot: $out"
