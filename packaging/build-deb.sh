#!/usr/bin/env bash
# Builds the Debian package out/zub-hangman_<version>_<arch>.deb from a clean release build that
# installs to /usr.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/deb
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DZUB_DATA_DIR=/usr/share/zub-hangman -DZUB_BUILD_TESTS=OFF
cmake --build "$build" --parallel 2
(cd "$build" && cpack -G DEB)
mkdir -p out
cp "$build"/zub-hangman_*.deb out/
ls -l out/zub-hangman_*.deb
