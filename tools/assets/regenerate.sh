#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Regenerates every asset of the game, deterministically, from the sources under tools/assets/:
#
#   resources/bitmaps/NNN.bmp   drawn by the bitmap generator (tools/assets/bitmaps/), with
#                               NNN@2x.png and NNN@3x.png, the same pictures for sharp screens
#   resources/icon/SIZE.png     the program's icon, by the same generator
#   resources/sounds/NNN.wav    spoken and synthesised by tools/assets/sounds/generate.sh
#   resources/wav/step.wav      likewise
#   resources/fonts/*.ttf       the game's own font, cut by tools/assets/fonts/make-font.py
#
# The game's own build never runs this: the generated files are committed. Run it from anywhere:
#
#   tools/assets/regenerate.sh
#
# Needs cmake, a C++20 compiler, qt6-base-dev, fonts-noto-color-emoji and fonts-dejavu-core for
# the bitmaps, what tools/assets/sounds/generate.sh lists for the sounds, and fonts-lxgw-wenkai
# and python3-fonttools for the font (scripts/install-deps.sh --assets installs them all). The
# bitmap generator is built in build-assets/ at the top of the repository.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$root/build-assets"

cmake -S "$here/bitmaps" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel
QT_QPA_PLATFORM=offscreen "$build/draw-bitmaps" "$root/resources/bitmaps"
QT_QPA_PLATFORM=offscreen "$build/draw-bitmaps" --app-icon "$root/resources/icon"
echo "bitmaps written to resources/bitmaps/, the icon to resources/icon/"

if [[ -x "$here/sounds/generate.sh" ]]; then
  "$here/sounds/generate.sh"
  echo "sounds written to resources/sounds/ and resources/wav/"
else
  echo "regenerate.sh: tools/assets/sounds/generate.sh is missing; sounds not regenerated" >&2
  exit 1
fi

"$here/fonts/make-font.py"
echo "font written to resources/fonts/"
