#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks it as a desktop sees it: the files where
# the XDG and Debian conventions put them, the desktop entry and the AppStream metadata valid,
# and the installed program, started from another folder, finding its step sound in its data
# folder and ending cleanly. Without its step sound, it says so. The manual page renders
# cleanly and documents every option the program lists; the copyright file is in Debian's
# machine-readable format and names every licence of the sources.
#   check-installation.sh BUILD_DIR APP_ID SOURCE_DIR
set -euo pipefail
build=$1
id=$2
source=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() {
    echo "check-installation: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

docs=share/doc/hanzi-kitten
for file in bin/hanzi-kitten share/hanzi-kitten/wav/step.wav "share/applications/$id.desktop" \
    "share/metainfo/$id.metainfo.xml" share/man/man6/hanzi-kitten.6.gz "$docs/copyright" \
    "$docs/changelog.gz"; do
    [[ -f $prefix/$file ]] || fail "$file is not installed"
done
[[ -x $prefix/bin/hanzi-kitten ]] || fail "bin/hanzi-kitten cannot be run"
[[ ! -e $prefix/bin/wav ]] || fail "the step sound is installed beside the program"
for size in 16 24 32 48 64 128 256 512; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "no $size px icon"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry is not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$scratch/appstream" ||
    { cat "$scratch/appstream" >&2; fail "the AppStream metadata is not valid"; }

# The manual page as man shows it, with groff's warnings, as lintian reads it.
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man6/hanzi-kitten.6.gz" \
    >"$scratch/manual" 2>"$scratch/man-warnings" || fail "the manual page does not render"
[[ ! -s $scratch/man-warnings ]] || { cat "$scratch/man-warnings" >&2; fail "the manual page has warnings"; }
# Each option has its own paragraph, tagged by the option at the indent of the man macros.
for option in $("$prefix/bin/hanzi-kitten" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -Eq -- "^ {7}(-[a-z], )?$option( |$)" "$scratch/manual" ||
        fail "the manual page does not document $option"
done

copyright=$prefix/$docs/copyright
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
for licence in "$source"/LICENSES/*.txt; do
    name=$(basename "$licence" .txt)
    name=${name/GPL-3.0-or-later/GPL-3+}
    grep -qx "License: $name" "$copyright" || fail "the copyright file does not name $name"
done

# Started from elsewhere, it shows its start screen, saves it and quits as a player would.
run_installed() {
    mkdir -p "$scratch/elsewhere"
    (cd "$scratch/elsewhere" &&
        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$scratch/data" \
            "$prefix/bin/hanzi-kitten" \
            --screenshot start.png 2>"$scratch/stderr") ||
        { cat "$scratch/stderr" >&2; fail "the installed program did not end cleanly"; }
    file -b "$scratch/elsewhere/start.png" | grep -q '^PNG image data, 625 x 521,' ||
        fail "the installed program did not show its start screen"
}
run_installed
if grep -q 'wav/step.wav' "$scratch/stderr"; then
    cat "$scratch/stderr" >&2
    fail "the installed program did not find its step sound"
fi
rm "$prefix/share/hanzi-kitten/wav/step.wav"
run_installed
grep -q "wav/step.wav is neither in $prefix/bin nor in $prefix/share/hanzi-kitten" \
    "$scratch/stderr" || fail "the installed program did not miss its step sound"
echo "installation checked"
