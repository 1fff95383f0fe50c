#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of the game, build-package/hanzi-kitten_<version>_amd64.deb, and
# checks it with lintian, which must find no error and no warning (the info tags it finds are
# listed, and explained in the README). The build is a release build with Debian's hardening
# flags, installed under /usr with the program in /usr/games; its library dependencies are
# computed by dpkg-shlibdeps. Install it with: sudo apt install ./build-package/hanzi-kitten_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
scripts/build.sh build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cd build-package
rm -f hanzi-kitten_*.deb
cpack -G DEB >/dev/null
package=$(ls "$PWD"/hanzi-kitten_*.deb)
lintian --info --display-info --fail-on error,warning "$package"
echo "$package"
