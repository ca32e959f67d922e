#!/usr/bin/env bash
# Makes the desktop icons from the game's own 32 x 32 icon: the icon itself and 2x and 4x enlargements
# with every pixel kept sharp. Needs ImageMagick. Run it again whenever the icon changes, and commit
# the result.
set -euo pipefail
cd "$(dirname "$0")/.."

mkdir -p packaging/icons
for scale in 1 2 4; do
    size=$((32 * scale))
    convert "src/assets/art/mainicon.ico[0]" -filter point -resize "${size}x${size}" \
        -strip "PNG32:packaging/icons/zub-hangman-${size}.png"
done
ls -l packaging/icons
