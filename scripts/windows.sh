#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Windows installer of the game on Debian 12: build-windows/hanzi-kitten-setup-VERSION.exe.
#   scripts/windows.sh           install what is missing, build Qt, SDL2 and GoogleTest for
#                                Windows once (into a cache folder outside the checkout, keyed
#                                by their versions), cross-build the game and its tests, and
#                                make the installer with NSIS
#   scripts/windows.sh --test    also run the tests under Wine, and install, start and
#                                uninstall the game under Wine on a scratch Xvfb display
#   scripts/windows.sh --libraries   only build the libraries into the cache
# HK_WINDOWS_CACHE sets the cache folder (default ~/.cache/hanzi-kitten-windows).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

mode=installer
case "${1:-}" in
    "") ;;
    --test) mode=test ;;
    --libraries) mode=libraries ;;
    *) echo "windows.sh: unknown option $1" >&2; exit 2 ;;
esac

triplet=x86_64-w64-mingw32
toolchain=$root/packaging/windows/mingw-w64-x86_64.cmake
cache=${HK_WINDOWS_CACHE:-$HOME/.cache/hanzi-kitten-windows}
jobs=2

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
apt_get() {
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 "$@"
}

# Debian's packages the build and the tests need: the host Qt (its moc, rcc and lrelease, and
# the same version's sources to build for Windows), the MinGW-w64 toolchain, NSIS, Wine, Xvfb.
install_packages() {
    scripts/install-deps.sh --test
    local packages=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev qt6-base-dev-tools
                    nsis wine wine64 xvfb)
    local missing=() p status
    for p in "${packages[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || missing+=("$p")
    done
    if [[ ${#missing[@]} -gt 0 ]]; then
        echo "Installing: ${missing[*]}"
        apt_get update -qq
        apt_get install -y -qq -o Dpkg::Use-Pty=0 --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# apt-get source needs a deb-src entry; add one for Debian's own archive when there is none.
ensure_deb_src() {
    if [[ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]]; then
        echo "Adding Debian's source archive to apt's sources" >&2
        "${sudo[@]}" tee /etc/apt/sources.list.d/hanzi-kitten-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
        apt_get update -qq >&2
    fi
}

# The source version of an installed binary package: the Windows libraries are built from the
# very sources of the Linux ones (the host Qt must be the same version as the target Qt).
source_version() {
    dpkg-query -W -f='${source:Version}' "$1"
}

# Unpacks a source package (with Debian's patches) into $cache/src once; prints its folder.
fetch_source() {
    local package=$1 version=$2 dir=$cache/src/$1-$2
    if [[ ! -f "$dir.unpacked" ]]; then
        ensure_deb_src
        rm -rf "$dir" "$dir.tmp"
        mkdir -p "$dir.tmp"
        (cd "$dir.tmp" && apt-get source -qq "$package=$version" >/dev/null 2>&1 ||
         apt-get source "$package=$version")
        mv "$(find "$dir.tmp" -mindepth 1 -maxdepth 1 -type d | head -1)" "$dir"
        rm -rf "$dir.tmp"
        touch "$dir.unpacked"
    fi
    echo "$dir"
}

# SDL2 from Debian's sources: the shared library only.
build_sdl() {
    local version src
    version=$(source_version libsdl2-dev)
    sdl_prefix=$cache/sdl2-$version-mingw-$mingw_version
    [[ -f "$sdl_prefix/.complete" ]] && return
    src=$(fetch_source libsdl2 "$version")
    echo "Building SDL2 $version for Windows into $sdl_prefix"
    rm -rf "$sdl_prefix" "$cache/build-sdl2"
    cmake -S "$src" -B "$cache/build-sdl2" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$sdl_prefix" \
        -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF >"$cache/sdl2.log" 2>&1
    cmake --build "$cache/build-sdl2" -j$jobs >>"$cache/sdl2.log" 2>&1
    cmake --install "$cache/build-sdl2" >>"$cache/sdl2.log" 2>&1
    rm -rf "$cache/build-sdl2"
    touch "$sdl_prefix/.complete"
}

# GoogleTest from Debian's googletest package, which ships its sources, for the tests.
build_gtest() {
    local version
    version=$(dpkg-query -W -f='${Version}' googletest)
    gtest_prefix=$cache/googletest-$version-mingw-$mingw_version
    [[ -f "$gtest_prefix/.complete" ]] && return
    echo "Building GoogleTest $version for Windows into $gtest_prefix"
    rm -rf "$gtest_prefix" "$cache/build-gtest"
    cmake -S /usr/src/googletest -B "$cache/build-gtest" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=OFF >"$cache/googletest.log" 2>&1
    cmake --build "$cache/build-gtest" -j$jobs >>"$cache/googletest.log" 2>&1
    cmake --install "$cache/build-gtest" >>"$cache/googletest.log" 2>&1
    rm -rf "$cache/build-gtest"
    touch "$gtest_prefix/.complete"
}

# qtbase for Windows, with Debian's Qt of the same version as the host Qt (its moc, rcc, uic):
# shared Core, Gui, Widgets, Network (for the single-instance socket) and Test, the image
# and text libraries bundled, nothing else. OpenGL is off, and dynamicgl with it (the windows
# platform plugin does not build with the one but not the other); accessibility and tablet
# events are off because Debian's sources leave out their Windows parts. The game draws with
# Qt's raster engine and reads only BMP and PNG pictures: the Direct2D platform plugin and
# the GIF and JPEG readers are left out. Without Direct2D, DirectWrite 3 must go too (Qt 6.4
# then builds the windows plugin's DirectWrite font database but not its Gui part); the plugin
# draws text with GDI by default either way. An interrupted build resumes where it stopped.
build_qt() {
    local version src
    version=$(source_version qt6-base-dev)
    qt_prefix=$cache/qt-$version-mingw-$mingw_version
    [[ -f "$qt_prefix/.complete" ]] && return
    src=$(fetch_source qt6-base "$version")
    echo "Building Qt $version for Windows into $qt_prefix (about an hour on two cores;" \
         "log: $cache/qt.log)"
    rm -rf "$qt_prefix"
    grep -qsF "CMAKE_HOME_DIRECTORY:INTERNAL=$src" "$cache/build-qt/CMakeCache.txt" ||
        rm -rf "$cache/build-qt"
    local off=(sql dbus opengl printsupport concurrent xml vulkan accessibility tabletevent
               dynamicgl openssl direct2d directwrite3 gif jpeg)
    local bundled=(zlib png pcre2 freetype harfbuzz doubleconversion)
    local options=() f
    for f in "${off[@]}"; do options+=("-DFEATURE_$f=OFF"); done
    for f in "${bundled[@]}"; do options+=("-DFEATURE_system_$f=OFF"); done
    cmake -S "$src" -B "$cache/build-qt" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DBUILD_SHARED_LIBS=ON \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        "${options[@]}" >"$cache/qt.log" 2>&1
    cmake --build "$cache/build-qt" -j$jobs >>"$cache/qt.log" 2>&1
    cmake --install "$cache/build-qt" >>"$cache/qt.log" 2>&1
    rm -rf "$cache/build-qt"
    touch "$qt_prefix/.complete"
}

build_libraries() {
    mkdir -p "$cache/src"
    mingw_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
    build_sdl
    build_gtest
    build_qt
}

version=$(sed -n 's/^project(HanziKitten VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
build=$root/build-windows
installer=$build/hanzi-kitten-setup-$version.exe

# The game and its tests for Windows, with the libraries above; the tests run under Wine.
cross_build() {
    export HK_WINDOWS_PREFIXES="$qt_prefix;$sdl_prefix;$gtest_prefix"
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
    cmake --build "$build" -j$jobs
}

# Where the DLLs built for Windows and the MinGW runtime's are.
dll_folders() {
    echo "$qt_prefix/bin" "$sdl_prefix/bin" "$gtest_prefix/bin" /usr/$triplet/lib
    dirname "$($triplet-g++-posix -print-file-name=libstdc++-6.dll)"
}

# Copies the DLLs that the given programs and libraries load into the staging folder, and the
# DLLs those load; Windows' own DLLs are not in the DLL folders and stay out.
copy_dlls() {
    local folders queue=("$@") file name folder
    read -r -d '' -a folders < <(dll_folders) || true
    while [[ ${#queue[@]} -gt 0 ]]; do
        file=${queue[0]}
        queue=("${queue[@]:1}")
        for name in $($triplet-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
            [[ -e "$stage/$name" ]] && continue
            for folder in "${folders[@]}"; do
                if [[ -f "$folder/$name" ]]; then
                    cp "$folder/$name" "$stage/"
                    queue+=("$stage/$name")
                    break
                fi
            done
        done
    done
}

# The licences of everything the installer ships, and where the sources of each come from.
copy_licences() {
    local licences=$stage/licences qt_src sdl_src
    qt_src=$(fetch_source qt6-base "$(source_version qt6-base-dev)")
    sdl_src=$(fetch_source libsdl2 "$(source_version libsdl2-dev)")
    mkdir -p "$licences/Qt" "$licences/SDL2" "$licences/MinGW-w64"
    cp LICENSES/GPL-3.0-or-later.txt LICENSES/OFL-1.1.txt "$licences/"
    cp NOTICE "$licences/NOTICE.txt"
    cp "$qt_src/LICENSES/LGPL-3.0-only.txt" "$qt_src/LICENSES/GPL-3.0-only.txt" "$licences/Qt/"
    cp "$qt_src/debian/copyright" "$licences/Qt/copyright.txt"
    cp "$sdl_src/LICENSE.txt" "$licences/SDL2/LICENSE.txt"
    cp "$sdl_src/debian/copyright" "$licences/SDL2/copyright.txt"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$licences/MinGW-w64/gcc-runtime-copyright.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$licences/MinGW-w64/mingw-w64-copyright.txt"
    cp /usr/share/common-licenses/GPL-3 "$licences/MinGW-w64/GPL-3.0.txt"
    sed -e "s/@VERSION@/$version/g" -e "s/@QT@/$(source_version qt6-base-dev)/g" \
        -e "s/@SDL2@/$(source_version libsdl2-dev)/g" \
        -e "s/@GCC@/$(source_version gcc-mingw-w64-x86-64-posix-runtime)/g" \
        -e "s/@MINGW@/$(source_version mingw-w64-x86-64-dev)/g" \
        packaging/windows/SOURCES.txt.in >"$licences/SOURCES.txt"
}

# The folder as the installer lays it out: the program and its step sound, the DLLs it loads,
# Qt's windows platform plugin, the licences; programs and libraries stripped.
stage_installation() {
    stage=$build/stage
    rm -rf "$stage"
    mkdir -p "$stage/wav" "$stage/platforms"
    cp "$build/hanzi-kitten.exe" "$stage/"
    cp resources/wav/step.wav "$stage/wav/"
    cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
    copy_dlls "$stage/hanzi-kitten.exe" "$stage/platforms/qwindows.dll"
    $triplet-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/platforms/*.dll
    copy_licences
}

# NSIS commands that install each staged file and remove exactly those again.
write_file_list() {
    local list=$1 dirs files path
    mapfile -t dirs < <(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort)
    mapfile -t files < <(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
    {
        echo '!macro INSTALL_FILES'
        for path in "${dirs[@]}"; do echo "    CreateDirectory \"\$INSTDIR\\${path//\//\\}\""; done
        for path in "${files[@]}"; do
            echo "    File \"/oname=\$INSTDIR\\${path//\//\\}\" \"$stage/$path\""
        done
        echo '!macroend'
        echo '!macro REMOVE_FILES'
        for path in "${files[@]}"; do echo "    Delete \"\$INSTDIR\\${path//\//\\}\""; done
        for ((i = ${#dirs[@]} - 1; i >= 0; i--)); do
            path=${dirs[i]}
            echo "    RMDir \"\$INSTDIR\\${path//\//\\}\""
        done
        echo '!macroend'
    } >"$list"
}

make_installer() {
    stage_installation
    write_file_list "$build/installer-files.nsh"
    rm -f "$installer"
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
        -DFILES="$build/installer-files.nsh" -DICON="$build/src/hanzi-kitten.ico" \
        -DOUTFILE="$installer" packaging/windows/installer.nsi
    echo "$installer: $(du -k "$installer" | cut -f1) KB; installed: $(du -sk "$stage" | cut -f1) KB"
}

# The Linux program draws the reference start screen; a Linux program checks the Windows one.
linux_check_tools() {
    cmake -S . -B build >/dev/null
    cmake --build build -j$jobs --target hanzi-kitten hk-installed-game-check
}

timed() {
    local begin=$SECONDS
    "$@"
    echo "windows.sh: $1 took $((SECONDS - begin)) s"
}

install_packages
timed build_libraries
[[ $mode == libraries ]] && exit 0
timed cross_build
timed make_installer
[[ $mode == installer ]] && exit 0
timed linux_check_tools
read -r -d '' -a folders < <(dll_folders) || true
exec tests/windows/test-under-wine.sh "$build" "$installer" "${folders[@]}"
