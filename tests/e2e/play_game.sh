#!/usr/bin/env bash
# End to end: the real program on its own virtual X display, played the way a player plays it, with real
# mouse clicks and key presses. It skips the intro, wins a word, loses the next one, enters a name for
# the high-score table, starts a new game from the menu and leaves through File > Exit. A screenshot of
# every stage is kept in the output folder.
#
# Usage: play_game.sh <program> <data folder the program was built with> <the game's data folder> <output>
set -euo pipefail
# shellcheck source=tests/e2e/xvfb.sh
source "$(dirname "$0")/xvfb.sh"
source "$(dirname "$0")/gamedata.sh"
source "$(dirname "$0")/board.sh"

program=$1
data=$2
source_data=$3
out=$4

screen_width=1024
screen_height=768

# --- The data folder: a one-word list, a high-score table of our own and the game's real media. --------
make_game_data "$data" "$out"
table=(
    "Zub Hangman high scores"
    Ada 1500 Ben 1200 Cyd 1000 Dot 800 Eve 600 Fay 500 Gus 400 Hal 300 Ivy 200 Jo 100
    "end of table"
)
printf '%s\r\n' "${table[@]}" >"$data/hang.zub"
cp "$source_data"/Intro/* "$data/Intro/"

# The player's own files go to a folder of the test.
export XDG_DATA_HOME="$out/home"
saved_table="$XDG_DATA_HOME/zub-hangman/hang.zub"

# --- A virtual display of our own, and the program on it. ------------------------------------------------
program_pid=
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    xvfb_stop
}
trap cleanup EXIT

xvfb_start "${screen_width}x${screen_height}" "$out" || fail "the virtual display did not start"

shot() {
    import -window root "$out/$1.png"
    echo "screenshot $out/$1.png"
}

region_folder=$out

click_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool click 1
    sleep 0.3
}

"$program" >"$out/program.log" 2>&1 &
program_pid=$!

# --- The intro: full screen, "Skip Intro" at the right end of the strip along the bottom. --------------
wait_until 20 visible_window '^Zub Hangman$' || fail "the intro did not appear"
sleep 2
shot 01-intro
if visible_window '^Hangman Version' >/dev/null; then
    fail "the board is shown during the intro"
fi
# "Skip Intro" is 79 x 20 at left W - 115, 58 pixels into the 90-pixel strip at the bottom.
click_at $((screen_width - 115 + 39)) $((screen_height - 90 + 58 + 10))

wait_until 10 visible_window '^Hangman Version 1.2 -  Level - Easy - Words 1000\+' ||
    fail "the board did not appear after Skip Intro"
if visible_window '^Zub Hangman$' >/dev/null; then
    fail "the intro is still shown after Skip Intro"
fi
sleep 1
shot 02-board

find_board "$out/02-board.png"

# Clicks the middle of a control of the board given by its Left, Top, Width and Height on the board.
click_board() {
    # shellcheck disable=SC2046
    click_at $(board_point "$@")
}

click_letter() {
    # shellcheck disable=SC2086
    click_board ${tile[$1]}
}

# --- Win the word: every letter of HANGMAN, 7 positions at 100 points on Easy, with two wrong guesses on
# the way, which cost nothing but two stages of the gallows. ----------------------------------------------
for letter in H B A E N; do
    click_letter "$letter"
done
sleep 0.5
shot 03-guessing
for letter in G M; do
    click_letter "$letter"
done
sleep 0.5
shot 04-word-won

# --- The New Word tile draws the word again; eleven wrong letters lose it on Easy, which allows ten. -----
sleep 2.5 # the well-done picture goes after 2.5 s
click_board 305 520 336 41
for letter in B C D E F I J K L O P; do
    click_letter "$letter"
done
sleep 1
shot 05-word-lost

# --- 6 s after the loss the name entry asks for the name of the 700 points. ----------------------------
# The name-entry panel, 346 x 204 at 340, 93 on the board.
name_panel=($((board_left + 340)) $((board_top + 93)) 346 204)
remember_region name-panel "${name_panel[@]}"
wait_until 15 region_changed name-panel "${name_panel[@]}" || fail "no name entry after the lost game"
sleep 0.5
shot 06-name-entry
[ ! -e "$saved_table" ] || ! grep -q Tester "$saved_table" || fail "a name was stored before it was entered"
# NameText: 269 x 37 at 32, 65 in the name-entry panel, which lies at 340, 93 on the board.
click_board $((340 + 32)) $((93 + 65)) 269 37
xdotool type --delay 50 "Tester"
xdotool key Return
expected="$out/expected-hang.zub"
# 700 goes in at rank 5; the ranks below move down and the last one drops out.
printf '%s\r\n' "Zub Hangman high scores" Ada 1500 Ben 1200 Cyd 1000 Dot 800 Tester 700 Eve 600 Fay 500 \
    Gus 400 Hal 300 Ivy 200 "end of table" >"$expected"
wait_until 10 cmp -s "$expected" "$saved_table" || {
    cmp "$expected" "$saved_table" || true
    fail "the saved high-score table $saved_table differs from $expected"
}
sleep 0.5
shot 07-high-scores

# --- File > New Game from the menu bar, then File > Exit. -----------------------------------------------
open_file_menu "$out"
shot 08-file-menu
xdotool key Down Return
sleep 1
shot 09-new-game
kill -0 "$program_pid" 2>/dev/null || fail "the program ended at New Game"

open_file_menu "$out"
xdotool key Down Down Return
wait_until 10 bash -c "! kill -0 $program_pid" || fail "the program did not end at File > Exit"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
if xdotool search --onlyvisible --name 'Hangman' >/dev/null 2>&1; then
    fail "a window is left after the program ended"
fi
if grep -q '^zub-hangman:' "$out/program.log"; then
    fail "the program reported errors: $(grep '^zub-hangman:' "$out/program.log")"
fi
echo "the game was played from the intro to File > Exit; screenshots in $out"
