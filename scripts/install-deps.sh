#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run, and nothing that is
# already there. Quick when everything is installed. Uses sudo when not run as root.
#   scripts/install-deps.sh            build, test, package and play
#   scripts/install-deps.sh --assets   also the tools that regenerate the pictures and sounds
#   scripts/install-deps.sh --bench    also what the benchmark (scripts/bench.sh) runs on
set -euo pipefail

packages=(
    g++ cmake make pkgconf
    qt6-base-dev qt6-qpa-plugins
    libsdl2-dev
    googletest libgtest-dev clang-format
    clang libclang-rt-14-dev
    xvfb libx11-dev libxtst-dev
    fonts-arphic-ukai fonts-arphic-uming fonts-noto-cjk
    desktop-file-utils appstream dpkg-dev file
)
for extra in "$@"; do
    case "$extra" in
        --assets) packages+=(espeak-ng sox libsox-fmt-all fonts-noto-color-emoji fonts-dejavu-core) ;;
        --bench) packages+=(dbus-daemon python3) ;;
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
