#!/usr/bin/env bash
# Checks the game's seven media files with GStreamer, the media system the game plays them through:
# each must be recognised with the expected codec, size and length, and decode from start to end with
# the base and good plugins alone. Prints a summary line per file.
#
#   tools/mediagen/check.sh [FOLDER]     (default: data/Intro)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
folder="${1:-$here/../../data/Intro}"

for tool in gst-discoverer-1.0 gst-launch-1.0; do
    if ! command -v "$tool" >/dev/null; then
        echo "check.sh: $tool is missing; install the Debian packages gstreamer1.0-plugins-base-apps and gstreamer1.0-tools" >&2
        exit 1
    fi
done

failures=0
problem() {
    echo "  PROBLEM: $1" >&2
    failures=$((failures + 1))
}

# The length in seconds from the discoverer's "Duration: H:MM:SS.nnnnnnnnn" line.
duration_of() {
    sed -n 's/^ *Duration: //p' <<<"$1" | awk -F: '{ printf "%.3f", $1 * 3600 + $2 * 60 + $3 }'
}

# check_media FILE KIND SHORTEST LONGEST [WIDTH HEIGHT]; KIND is "wav" or "avi".
check_media() {
    local name=$1 kind=$2 shortest=$3 longest=$4 width=${5:-} height=${6:-}
    local path="$folder/$name"
    if [ ! -f "$path" ]; then
        problem "$name is missing"
        return
    fi
    local report
    if ! report="$(gst-discoverer-1.0 "$path" 2>&1)"; then
        problem "$name is not recognised: $(tail -n 1 <<<"$report")"
        return
    fi
    local seconds
    seconds="$(duration_of "$report")"
    if ! awk -v s="$seconds" -v lo="$shortest" -v hi="$longest" 'BEGIN { exit !(s >= lo && s <= hi) }'; then
        problem "$name lasts $seconds s, not $shortest .. $longest s"
    fi
    local summary
    if [ "$kind" = wav ]; then
        grep -q 'audio #0: WAV' <<<"$report" || problem "$name is not wave audio"
        grep -q 'Depth: 16' <<<"$report" || problem "$name is not 16-bit"
        gst-launch-1.0 -q filesrc location="$path" ! wavparse ! audioconvert ! fakesink >/dev/null 2>&1 ||
            problem "$name does not decode"
        summary="wave audio, $(sed -n 's/^ *Sample rate: //p' <<<"$report" | head -n 1) Hz, 16-bit"
    else
        grep -q 'container #0: Audio Video Interleave (AVI)' <<<"$report" || problem "$name is not an AVI file"
        grep -q 'video #1: JPEG' <<<"$report" || problem "$name is not Motion JPEG"
        grep -q "Width: $width\$" <<<"$report" || problem "$name is not $width pixels wide"
        grep -q "Height: $height\$" <<<"$report" || problem "$name is not $height pixels high"
        gst-launch-1.0 -q filesrc location="$path" ! avidemux ! jpegdec ! videoconvert ! fakesink >/dev/null 2>&1 ||
            problem "$name does not decode with avidemux and jpegdec"
        summary="AVI, Motion JPEG ${width}x${height} at $(sed -n 's/^ *Frame rate: //p' <<<"$report") fps"
        if grep -q 'Raw 16-bit PCM audio' <<<"$report"; then
            summary+=", 16-bit PCM sound"
        fi
    fi
    printf '%-15s %9d bytes  %7.3f s  %s\n' "$name" "$(stat -c %s "$path")" "$seconds" "$summary"
}

check_media "Hangman.avi" avi 24.9 25.1 620 480
check_media "Game over.avi" avi 3.0 5.0 270 250
check_media "backsound1.wav" wav 15.9 16.0
check_media "winletter.wav" wav 0.1 0.49
check_media "lose2.wav" wav 0.2 0.99
check_media "winner2.wav" wav 1.0 2.0
check_media "newword.wav" wav 0.3 0.99

total=$(du -cb "$folder"/*.avi "$folder"/*.wav | tail -n 1 | cut -f 1)
printf '%-15s %9d bytes\n' "all" "$total"
if [ "$failures" -ne 0 ]; then
    echo "check.sh: $failures problem(s) with the media in $folder" >&2
    exit 1
fi
