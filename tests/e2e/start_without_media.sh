#!/usr/bin/env bash
# End to end: the real program started with a media file missing from its data folder shows one error
# box that names the file, shows no window of the game, and ends with status 0 once the box is closed.
#
# Usage: start_without_media.sh <program> <data folder the program was built with> <the game's data
#        folder> <output folder>
set -euo pipefail
# shellcheck source=tests/e2e/xvfb.sh
source "$(dirname "$0")/xvfb.sh"
# shellcheck source=tests/e2e/gamedata.sh
source "$(dirname "$0")/gamedata.sh"
# shellcheck source=tests/e2e/board.sh
source "$(dirname "$0")/board.sh"

program=$1
data=$2
source_data=$3
out=$4
missing="Game over.avi"

make_game_data "$data" "$out" "$source_data"
rm "$data/Intro/$missing"
trap 'stop_game; xvfb_stop' EXIT
xvfb_start 1024x768 "$out" || fail "the virtual display did not start"
start_game "$program" "$out"

# Only the error box comes up: its message is on standard error too.
wait_until 20 grep -q "^zub-hangman: .*$missing" "$program_log" || fail "no error naming \"$missing\""
sleep 1
import -window root "$out/error-box.png"
! visible_window 'Hangman Version' >/dev/null || fail "the board was shown"
box=$(visible_window '^Zub Hangman$' | head -n1) || fail "no error box on the screen"
xdotool windowfocus --sync "$box" key Return
expect_game_ends "after the error box"
echo "one error box named \"$missing\"; the program ended with status 0; screenshot in $out"
