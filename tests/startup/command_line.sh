#!/usr/bin/env bash
# The program's command line, run where there is no display: --help and --version answer on standard
# output with status 0, the version being the package's; anything else is refused on standard error with
# status 2; and a start with no display ends with one line that says how to get one, with status 1
# rather than a core dump, as does a start on a display that cannot be reached, naming it. The program
# itself needs no media library.
#
# Usage: command_line.sh <program> <version of the build> <debian/changelog>
set -uo pipefail
program=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
[ "($version)" = "$(head -n1 "$3" | cut -d' ' -f2)" ] || { echo "FAIL: $version is not the package's version"; failures=1; }

# expect <status> <standard output> <standard error> <arguments...>: each output whole, "*" any text.
# The program runs with no display, or with the variables in the array "with".
with=()
expect() {
    local status=$1 out=$2 err=$3 got
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${with[@]}" "$program" "$@" >"$tmp/out" 2>"$tmp/err"
    got=$?
    # shellcheck disable=SC2053 # the expected texts are patterns
    if [ "$got" != "$status" ] || [[ $(<"$tmp/out") != $out ]] || [[ $(<"$tmp/err") != $err ]]; then
        echo "FAIL: zub-hangman $*: status $got, output \"$(<"$tmp/out")\", errors \"$(<"$tmp/err")\""
        failures=$((failures + 1))
    fi
}

for option in --help -h; do
    expect 0 "Usage: *\[options\]*-h, --help*-v, --version*" "" "$option"
done
for option in --version -v; do
    expect 0 "zub-hangman $version" "" "$option"
done
try_help="Try 'zub-hangman --help' for more information."
expect 2 "" "zub-hangman: Unknown option 'fullscreen'."$'\n'"$try_help" --fullscreen
expect 2 "" "zub-hangman: unexpected argument 'hang.zub'"$'\n'"$try_help" hang.zub
expect 1 "" "zub-hangman: cannot connect to a display: set DISPLAY or WAYLAND_DISPLAY"
# An X display number no server holds, a stale one as an old remote login leaves it.
unused=4099
while [ -e "/tmp/.X$unused-lock" ] || [ -e "/tmp/.X11-unix/X$unused" ]; do unused=$((unused + 1)); done
with=("DISPLAY=:$unused")
expect 1 "" "zub-hangman: cannot connect to display \":$unused\""
# The program starts on Qt Core, Gui and Widgets: the media libraries come with the media module, loaded
# once the intro shows.
if readelf -d "$program" | grep -E 'NEEDED.*(Multimedia|pulse|gst)'; then
    echo "FAIL: the program needs a media library at its start"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "the options are answered, the missing and the unreachable display are told, and" \
    "the program starts without the media libraries"
exit $((failures > 0))
