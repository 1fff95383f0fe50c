#!/usr/bin/env bash
# From a fresh checkout to the game's start screen: installs what is missing, builds, plays.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/hanzi-kitten
