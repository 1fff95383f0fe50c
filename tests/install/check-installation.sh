#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks it as a desktop sees it: the files where
# the XDG and Debian conventions put them, the desktop entry and the AppStream metadata valid,
# and the installed program, started from another folder, finding its step sound in its data
# folder and ending cleanly. Without its step sound, it says so.
#   check-installation.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() {
    echo "check-installation: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/hanzi-kitten share/hanzi-kitten/wav/step.wav "share/applications/$id.desktop" \
    "share/metainfo/$id.metainfo.xml"; do
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

# Started from elsewhere, it shows its start screen, saves it and quits as a player would.
run_installed() {
    mkdir -p "$scratch/elsewhere"
    (cd "$scratch/elsewhere" &&
        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$prefix/bin/hanzi-kitten" \
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
