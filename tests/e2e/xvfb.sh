# shellcheck shell=bash
# A virtual X display of our own, for the end-to-end tests and the benchmark. Sourced, not executed:
#
#   xvfb_start <width>x<height> <folder>  starts Xvfb on a free display with a screen of that size, waits
#                                         until it is up and points DISPLAY and Qt's xcb platform at it
#   xvfb_stop                             ends it; call it from the script's exit trap
#
# Xvfb picks the free display number itself and writes it to <folder>/display; its log is
# <folder>/xvfb.log. The server keeps running between programs (-noreset): a test may start the game twice.

xvfb_pid=

xvfb_start() {
    local size=$1
    local folder=$2
    Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp -noreset 5>"$folder/display" 2>"$folder/xvfb.log" &
    xvfb_pid=$!
    xvfb_wait "$folder" || {
        echo "Xvfb did not start; its log:" >&2
        cat "$folder/xvfb.log" >&2
        return 1
    }
    DISPLAY=":$(head -n1 "$folder/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

# Waits up to 10 s for Xvfb to write its display number, a whole line, once it accepts clients.
xvfb_wait() {
    local _
    for _ in $(seq 100); do
        [ -s "$1/display" ] && [ "$(wc -l <"$1/display")" -ge 1 ] && return 0
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

xvfb_stop() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}
