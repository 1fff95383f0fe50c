#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# From a fresh checkout to the game's start screen: installs what is missing, builds, plays.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/hanzi-kitten
