#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor in its demo game folder on the house.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel
exec build/demo-game/tarnholm-editor build/demo-game/rooms/haus.lsd
