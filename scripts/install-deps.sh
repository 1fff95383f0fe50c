#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that a purpose needs, and nothing that is already there. Quick
# when everything is installed. Uses sudo when not run as root.
#   scripts/install-deps.sh            build and play
#   scripts/install-deps.sh --test     also the tests and CI's checks (scripts/test.sh, .ci/run)
#   scripts/install-deps.sh --package  also what makes and checks the Debian package
#   scripts/install-deps.sh --fuzz     also clang and libFuzzer (scripts/fuzz.sh)
#   scripts/install-deps.sh --assets   also the tools that regenerate the pictures, sounds, font
#   scripts/install-deps.sh --bench    also what the benchmark (scripts/bench.sh) runs on
# Options add up: --test --package installs both.
set -euo pipefail

packages=(g++ cmake make pkgconf qt6-base-dev qt6-qpa-plugins qt6-l10n-tools libsdl2-dev)
for extra in "$@"; do
    case "$extra" in
        --test) packages+=(googletest libgtest-dev clang-format reuse desktop-file-utils appstream
                           file man-db xvfb libx11-dev libxtst-dev) ;;
        --package) packages+=(dpkg-dev file lintian) ;;
        --fuzz) packages+=(clang libclang-rt-14-dev) ;;
        --assets) packages+=(espeak-ng sox libsox-fmt-all fonts-noto-color-emoji fonts-dejavu-core
                            fonts-lxgw-wenkai python3-fonttools) ;;
        --bench) packages+=(xvfb libx11-dev libxtst-dev dbus-daemon python3) ;;
        *) echo "install-deps.sh: unknown option $extra" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
if ! { "${sudo[@]}" apt-get update -qq &&
       "${sudo[@]}" apt-get install -y -qq -o Dpkg::Use-Pty=0 --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    exit 1
fi
rm -f "$log"
