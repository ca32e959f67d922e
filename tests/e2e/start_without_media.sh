#!/usr/bin/env bash
# End to end: the real program started with a media file missing from its data folder shows one error
# box that names the file, shows no window of the game, and ends with status 0 once the box is closed.
#
# Usage: start_without_media.sh <program> <data folder the program was built with> <the game's data
#        folder> <output folder>
set -euo pipefail
# shellcheck source=tests/e2e/xvfb.sh
source "$(dirname "$0")/xvfb.sh"
source "$(dirname "$0")/gamedata.sh"

program=$1
data=$2
source_data=$3
out=$4
missing="Game over.avi"

make_game_data "$data" "$out"
cp "$source_data/hang.zub" "$data/hang.zub"
cp "$source_data"/Intro/* "$data/Intro/"
rm "$data/Intro/$missing"
export XDG_DATA_HOME="$out/home"

program_pid=
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    xvfb_stop
}
trap cleanup EXIT

xvfb_start 1024x768 "$out" || fail "the virtual display did not start"

"$program" >"$out/program.log" 2>&1 &
program_pid=$!

# Only the error box comes up: its message is on standard error too.
for _ in $(seq 200); do
    grep -q "$missing" "$out/program.log" && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
grep -q "^zub-hangman: .*$missing" "$out/program.log" || fail "no error naming \"$missing\""
sleep 1
import -window root "$out/error-box.png"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended without waiting for the error box"
if xdotool search --onlyvisible --name 'Hangman Version' >/dev/null 2>&1; then
    fail "the board was shown"
fi
box=$(xdotool search --onlyvisible --name '^Zub Hangman$' | head -n1)
[ -n "$box" ] || fail "no error box on the screen"
xdotool windowfocus --sync "$box" key Return

for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end after the error box"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ "$(grep -c '^zub-hangman:' "$out/program.log")" -eq 1 ] || fail "more than one error was reported"
echo "one error box named \"$missing\"; the program ended with status 0; screenshot in $out"
