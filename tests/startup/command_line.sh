#!/usr/bin/env bash
# The program's command line, run where there is no display: --help and --version answer on standard
# output with status 0, the version being the package's; anything else is refused on standard error with
# status 2; and a start with no display ends with one line that says how to get one, with status 1
# rather than a core dump.
#
# Usage: command_line.sh <program> <version of the build> <debian/changelog>
set -uo pipefail
program=$1
version=$2
package_version=$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' "$3")
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0

# expect <status> <standard output> <standard error> <arguments...>: the whole of each output, with
# "*" standing for any text.
expect() {
    local status=$1 want_out=$2 want_err=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out" 2>"$err"
    local got=$?
    # shellcheck disable=SC2053 # the expected texts are patterns
    if [ "$got" != "$status" ] || [[ "$(cat "$out")" != $want_out ]] || [[ "$(cat "$err")" != $want_err ]]; then
        echo "FAIL: zub-hangman $*: status $got; standard output:"
        cat "$out"
        echo "standard error:"
        cat "$err"
        failures=$((failures + 1))
    fi
}

[ "$version" = "$package_version" ] || { echo "FAIL: the build's version $version is not the package's $package_version"; failures=1; }
for option in --help -h; do
    expect 0 "Usage: *\[options\]*-h, --help*-v, --version*" "" "$option"
done
for option in --version -v; do
    expect 0 "zub-hangman $version" "" "$option"
done
try_help="Try 'zub-hangman --help' for more information."
expect 2 "" "zub-hangman: Unknown option 'fullscreen'.
$try_help" --fullscreen
expect 2 "" "zub-hangman: unexpected argument 'hang.zub'
$try_help" hang.zub
expect 1 "" "zub-hangman: cannot connect to a display: set DISPLAY or WAYLAND_DISPLAY"
[ "$failures" -eq 0 ] && echo "the options are answered and the missing display is told without a display"
exit $((failures > 0))
