#!/usr/bin/env bash
# Regenerates the game's sounds and movies in data/Intro: builds the media generator with its tests,
# runs the tests, writes the seven files and checks them with GStreamer.
#
#   tools/mediagen/generate.sh           (build folder: build/mediagen, or $ZUB_MEDIAGEN_BUILD)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${ZUB_MEDIAGEN_BUILD:-$root/build/mediagen}"

for tool in cmake ninja ffmpeg; do
    if ! command -v "$tool" >/dev/null; then
        echo "generate.sh: $tool is missing; install the Debian packages cmake, ninja-build, ffmpeg," \
            "qt6-base-dev, fonts-liberation, gstreamer1.0-tools and gstreamer1.0-plugins-base-apps" >&2
        exit 1
    fi
done

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j 2
ctest --test-dir "$build" --output-on-failure
QT_QPA_PLATFORM=offscreen "$build/zub-mediagen" --encoder ffmpeg "$root/data/Intro"
"$here/check.sh" "$root/data/Intro"
