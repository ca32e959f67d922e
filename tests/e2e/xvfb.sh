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
    local _
    Xvfb -displayfd 5 -screen 0 "${1}x24" -nolisten tcp -noreset 5>"$2/display" 2>"$2/xvfb.log" &
    xvfb_pid=$!
    # Xvfb writes its display number, a whole line, once it accepts clients; it has 10 s.
    for _ in $(seq 100); do
        if [ "$(wc -l <"$2/display")" -ge 1 ]; then
            DISPLAY=":$(head -n1 "$2/display")"
            export DISPLAY QT_QPA_PLATFORM=xcb
            unset WAYLAND_DISPLAY
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null && sleep 0.1 || break
    done
    echo "Xvfb did not start; its log:" >&2
    cat "$2/xvfb.log" >&2
    return 1
}

xvfb_stop() {
    [ -z "$xvfb_pid" ] || { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; } || true
    xvfb_pid=
}
