#!/usr/bin/env bash
# Builds the Debian package of the game, build-package/hanzi-kitten_<version>_amd64.deb: a
# release build installed under /usr, its library dependencies computed by dpkg-shlibdeps.
# Install it with: sudo apt install ./build-package/hanzi-kitten_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF
cd build-package
rm -f hanzi-kitten_*.deb
cpack -G DEB >/dev/null
ls "$PWD"/hanzi-kitten_*.deb
