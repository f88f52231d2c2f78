#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as built for authors,
# once more with AddressSanitizer and UndefinedBehaviorSanitizer, which must stay silent.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel
ctest --test-dir build --output-on-failure --timeout 300 -LE lang

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNHOLM_SANITIZE=ON \
    -DTARNHOLM_BENCH=OFF
cmake --build build-asan --parallel
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure --timeout 600 -LE lang
