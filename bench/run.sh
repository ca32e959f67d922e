#!/usr/bin/env bash
# The performance benchmark: start-up beside a bare Qt window, Skip Intro to the board, click to repaint,
# memory and idle processor time, on a virtual X display of its own. Prints the figures with their goals;
# it never fails on a figure, only when a part of it cannot run.
#
# Usage: bench/run.sh [--smoke] [--sound-server] [--build <build folder>]
#   --smoke         one run of each part and a few seconds of idle, to keep the benchmark working
#   --sound-server  the game plays on a PulseAudio server of the run's own, with a null sink, as on a
#                   desktop with sound; without it no sound server runs and the game plays silently
#   --build  a configured build folder whose benchmark targets are built; without it the benchmark is
#            built into build/bench first
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
# shellcheck source=tests/e2e/xvfb.sh
source "$root/tests/e2e/xvfb.sh"
build="$root/build/bench"
smoke=0
prebuilt=0
sound_server=0
while [ $# -gt 0 ]; do
    case $1 in
    --smoke) smoke=1 ;;
    --sound-server) sound_server=1 ;;
    --build)
        build=$2
        prebuilt=1
        shift
        ;;
    *)
        echo "usage: $0 [--smoke] [--sound-server] [--build <build folder>]" >&2
        exit 2
        ;;
    esac
    shift
done

if [ "$prebuilt" = 0 ]; then
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUB_BENCH=ON >/dev/null
    fi
    cmake --build "$build" --target zub_bench -j2
fi

if [ "$smoke" = 1 ]; then
    runs=1 idle=3 clicks=1 words=12 limit=60
else
    runs=10 idle=60 clicks=500 words=1000 limit=1800
fi

work=$(mktemp -d)
server_pid=
cleanup() {
    xvfb_stop
    [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of the size the board is laid out for, with no window manager.
xvfb_start 1024x768 "$work" || {
    echo "bench: the virtual display did not start" >&2
    exit 1
}
# The player's high-score table of every run goes to the run's own folder.
export XDG_DATA_HOME="$work/home"
mkdir -p "$XDG_DATA_HOME"

log="$work/programs.log"
sound="no sound server"
if [ "$sound_server" = 1 ]; then
    export XDG_RUNTIME_DIR="$work/run" PULSE_STATE_PATH="$work/pulse"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    pulseaudio -n --daemonize=no --system=false --exit-idle-time=-1 --use-pid-file=false -F /dev/null \
        --load="module-null-sink sink_name=bench" --load=module-native-protocol-unix 2>>"$log" &
    server_pid=$!
    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl info >/dev/null 2>&1 || {
        echo "bench: the sound server did not start" >&2
        exit 1
    }
    sound="a PulseAudio server with a null sink"
fi
show_log() {
    echo "bench: $1 failed; the programs' last output:" >&2
    tail -n 40 "$log" >&2
    exit 1
}

echo "Zub Hangman benchmark: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load average" \
    "$(cut -d' ' -f1-3 /proc/loadavg), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), Xvfb 1024x768x24, $sound"
# A part that hangs is ended and counts as failed.
timeout --kill-after=5 "$limit" "$build/bench/zub-bench-startup" "$build/bench/zub-hangman-bench" "$build/bench/zub-bench-barewindow" \
    "$runs" "$idle" "$log" || show_log "the start-up benchmark"
timeout --kill-after=5 "$limit" "$build/bench/zub-bench-board" "$clicks" "$words" 2>>"$log" || show_log "the in-game benchmark"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
