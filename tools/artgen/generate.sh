#!/usr/bin/env bash
# Builds the picture generator, runs its tests and writes the game's pictures into src/assets/art.
# Extra arguments go to the generator, e.g. --preview /tmp/zub-art-preview for PNGs to look at.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=build/artgen
cmake -S tools/artgen -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure
"$build/zub-artgen" src/assets/art "$@"
