#!/usr/bin/env bash
# Installs what is missing, builds in Release and makes the Debian package
# build-paket/tarnholm-editor_<version>_<arch>.deb, for "apt install ./…deb".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-paket -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNHOLM_TESTS=OFF \
    -DTARNHOLM_BENCH=OFF
cmake --build build-paket --parallel
(cd build-paket && cpack -G DEB)
ls "$PWD"/build-paket/tarnholm-editor_*.deb
