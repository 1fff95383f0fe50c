#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build's tests under Wine, on an Xvfb display of their own (scripts/windows.sh
# --test runs this):
# 1. the rule tests and the window tests, built for Windows, through CTest (offscreen Qt and
#    dummy SDL audio, as on Linux), in a scratch Wine prefix;
# 2. the installer, in another scratch prefix: setup.exe /S installs for the user without
#    asking, with the Start-menu shortcut and the installed-apps entry; the installed game,
#    started from another folder, shows the start screen with the board and spinner exactly
#    as the Linux program does, answers a window manager's pings, plays a spin, a teaching
#    stage and a quiz to the same screens as the Linux program at the same seed, and ends
#    cleanly when closed; the uninstaller removes every file the installer wrote, the shortcut
#    and the entry.
#   tests/windows/test-under-wine.sh BUILD SETUP.exe DLL_FOLDER...
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1 installer=$2
shift 2
work=$(mktemp -d)
export WINEDEBUG=-all
# No prompts to install Wine's Mono and Gecko into a scratch prefix, which nothing here needs,
# and no menu entries of the user's desktop made for the Windows programs' shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WAYLAND_DISPLAY
# What Wine writes for the desktop (menus, file types) goes to the scratch folder, not the
# user's.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config

xvfb=
cleanup() {
    [[ -n "${WINEPREFIX:-}" ]] && wineserver -k 2>/dev/null
    [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# An Xvfb of the test's own, on the first free display number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

windows_path() { echo "Z:${1//\//\\}"; }

new_prefix() {
    export WINEPREFIX=$1
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
}

# 1. The tests, with the folders of the DLLs on Wine's search path.
begin=$SECONDS
new_prefix "$build/wine-tests"
# The prefix's server and its services stay up until the tests end, so that each test need
# not start them again; they are started here, away from the pipes CTest reads.
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null
paths=()
for folder in "$@"; do paths+=("$(windows_path "$folder")"); done
export WINEPATH
WINEPATH=$(IFS=';'; echo "${paths[*]}")
# The installer is tested even when a test fails; the script fails at the end.
tests_status=0
ctest --test-dir "$build" --output-on-failure --timeout 600 || tests_status=$?
unset WINEPATH
wineserver -k
echo "test-under-wine.sh: the tests under Wine took $((SECONDS - begin)) s"

# 2. The installer.
begin=$SECONDS
new_prefix "$build/wine-install"
user_folder=$WINEPREFIX/drive_c/users/$(id -un)
installed=$user_folder/AppData/Local/Programs/Hanzi\ Kitten
shortcut=$user_folder/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/小猫学汉字.lnk
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\HanziKitten'
fail() { echo "test-under-wine.sh: $*" >&2; exit 1; }

wine "$installer" /S
wineserver -w
[[ -f "$installed/hanzi-kitten.exe" ]] || fail "setup.exe /S installed no program in $installed"
(cd "$build/stage" && find . -type f | sort) >"$work/staged"
(cd "$installed" && find . -type f ! -name uninstall.exe | sort) >"$work/installed"
diff -u "$work/staged" "$work/installed" || fail "the installed files differ from the staged ones"
[[ -f "$shortcut" ]] || fail "no Start-menu shortcut $shortcut"
wine reg query "$key" /v UninstallString | grep -q 'uninstall.exe' ||
    fail "no entry in the installed apps"
echo "test-under-wine.sh: installed $(wc -l <"$work/installed") files, the shortcut and the entry"

# The Linux program's start screen at the same seed is the reference, and its short game,
# played on the same display with the same check, the reference for the Windows program's.
# Both play to SDL's dummy driver, so their sounds take the same time.
export SDL_AUDIODRIVER=dummy
mkdir -p "$work/linux-record" "$work/linux" "$work/elsewhere" "$build/wine-screens"
QT_QPA_PLATFORM=offscreen build/hanzi-kitten --seed 7 --data-dir "$work/linux-record" \
    --screenshot "$work/start.png" 2>/dev/null
rm -rf "$work/linux-record"/*
# A runtime folder of its own, so that no other game running on the machine counts as this
# one's first start; no session bus.
mkdir -m 700 "$work/runtime"
# The check watches the display before the game starts, so that it sees its window mapped.
build/tests/hk-installed-game-check "$work/start.png" "$work/linux" 60 &
check=$!
sleep 1
XDG_RUNTIME_DIR=$work/runtime DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
    QT_QPA_PLATFORM=xcb build/hanzi-kitten --seed 7 --data-dir "$work/linux-record" 2>/dev/null &
game=$!
wait $check || fail "the Linux program failed the check that the Windows one is to pass"
wait $game || fail "the Linux program ended with status $? after its close"

program='C:\users\'"$(id -un)"'\AppData\Local\Programs\Hanzi Kitten\hanzi-kitten.exe'
for picture in "$work"/linux/*.png; do
    cp "$picture" "$build/wine-screens/linux-$(basename "$picture")"
done
build/tests/hk-installed-game-check "$work/start.png" "$build/wine-screens" 180 "$work/linux" &
check=$!
sleep 1
(cd "$work/elsewhere" && exec wine "$program" --seed 7) &
game=$!
status=0
wait $check || status=$?
if ! timeout 20 tail --pid=$game -f /dev/null; then
    kill $game 2>/dev/null
    fail "the game did not end within 20 s of its close"
fi
wait $game || fail "the game ended with status $? after its close"
[[ $status -eq 0 ]] || fail "the installed game failed its check under Wine"
echo "test-under-wine.sh: the installed game ran; its screens are in $build/wine-screens/"

wine "$installed/uninstall.exe" /S
wineserver -w
[[ ! -e "$installed" ]] || fail "the uninstaller left: $(cd "$installed" && find . | tr '\n' ' ')"
[[ ! -e "$shortcut" ]] || fail "the uninstaller left the Start-menu shortcut"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left the entry"; fi
echo "test-under-wine.sh: the uninstaller removed every file, the shortcut and the entry"
echo "test-under-wine.sh: the installer's test under Wine took $((SECONDS - begin)) s"
[[ $tests_status -eq 0 ]] || fail "tests failed under Wine"
