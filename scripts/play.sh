#!/usr/bin/env bash
# Installs what is missing to build and run the game (never a sound server, never removing
# anything), builds it (Release) and starts it. Options go to the game,
# e.g. scripts/play.sh --speech-engine flite
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh play
scripts/build.sh
exec build/yacht "$@"
