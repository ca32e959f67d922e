#!/usr/bin/env bash
# End to end: the real program on its own virtual X display, played the way a player plays it, with real
# mouse clicks and key presses. It skips the intro, wins a word, loses the next one, enters a name for
# the high-score table, goes through the commands that set the window's title and leaves through
# File > Exit. A screenshot of every stage is kept in the output folder. On every desktop it checks the
# intro's layout, the board's place in its client area and, on X, the exact window titles.
#
# On Wayland no input can be sent to the game: there it checks the intro and the board that the intro
# hands over to after its 25 seconds.
#
# Usage: play_game.sh <program> <data folder the program was built with> <the game's data folder> <output>
#                     [bare|openbox|hidpi|wayland]
set -euo pipefail
# shellcheck source=tests/e2e/xvfb.sh
source "$(dirname "$0")/xvfb.sh"
# shellcheck source=tests/e2e/gamedata.sh
source "$(dirname "$0")/gamedata.sh"
# shellcheck source=tests/e2e/desktop.sh
source "$(dirname "$0")/desktop.sh"
# shellcheck source=tests/e2e/board.sh
source "$(dirname "$0")/board.sh"

program=$1
data=$2
source_data=$3
out=$4

# --- The data folder: a one-word list, a high-score table of our own and the game's real media. --------
make_game_data "$data" "$out" "$source_data"
table=(
    "Zub Hangman high scores"
    Ada 1500 Ben 1200 Cyd 1000 Dot 800 Eve 600 Fay 500 Gus 400 Hal 300 Ivy 200 Jo 100
    "end of table"
)
printf '%s\r\n' "${table[@]}" >"$data/hang.zub"
saved_table="$XDG_DATA_HOME/zub-hangman/hang.zub"

# --- A virtual display of our own, and the program on it. ------------------------------------------------
trap 'stop_game; desktop_stop' EXIT
desktop_start "${5:-bare}" "$out" || fail "the $desktop desktop did not start"

# Takes the screenshot named $1, after $2 seconds for the screen to settle.
shot() {
    sleep "${2:-0}"
    screenshot "$out/$1.png" || fail "no screenshot"
    echo "screenshot $out/$1.png"
}

region_folder=$out
start_game "$program" "$out"

# --- The intro: full screen, "Skip Intro" at the right end of the strip along the bottom. On Wayland it
# hands over to the board after its 25 one-second ticks. ---------------------------------------------------
if [ "$desktop" = wayland ]; then
    sleep 3
else
    wait_until 20 visible_window '^Zub Hangman$' || fail "the intro did not appear"
    sleep 2
fi
shot 01-intro
check_intro_layout "$out/01-intro.png"
if [ "$desktop" = wayland ]; then
    sleep 25
else
    ! visible_window '^Hangman Version' >/dev/null || fail "the board is shown during the intro"
    # "Skip Intro" is 79 x 20 at left W - 115, 58 pixels into the 90-pixel strip at the bottom.
    click_at $((screen_width / scale - 115 + 39)) $((screen_height / scale - 90 + 58 + 10))
    wait_until 10 visible_window '^Hangman Version' || fail "the board did not appear after Skip Intro"
    board_window=$(visible_window '^Hangman Version' | head -n1)
    ! visible_window '^Zub Hangman$' >/dev/null || fail "the intro is still shown after Skip Intro"
    sleep 1
fi
shot 02-board
check_board_centred "$out/02-board.png"
if [ "$desktop" = wayland ]; then
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended during the intro"
    check_no_errors
    echo "the intro and the board were shown on Wayland; screenshots in $out"
    exit 0
fi

# --- The board's title, and on openbox its place among the windows. ---------------------------------------
# Succeeds when the board's _NET_WM_NAME and WM_NAME both read exactly $1.
title_is() {
    local property
    for property in _NET_WM_NAME WM_NAME; do
        [ "$(xprop -id "$board_window" "$property" | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')" = "$1" ] || return 1
    done
}
expect_title() {
    wait_until 5 title_is "$1" ||
        fail "the title is not \"$1\": $(xprop -id "$board_window" _NET_WM_NAME WM_NAME)"
}
expect_title "Hangman Version 1.2 -  Level - Easy - Words 1000+"
xprop -id "$board_window" WM_CLASS | grep -q '"zub-hangman"$' || fail "the board's WM_CLASS is not zub-hangman"

if [ "$desktop" = openbox ]; then
    # Maximised, its frame filling the work area, and offering no maximise button.
    xprop -id "$board_window" _NET_WM_STATE | grep -q '_NET_WM_STATE_MAXIMIZED_VERT, _NET_WM_STATE_MAXIMIZED_HORZ' ||
        fail "the board is not maximised: $(xprop -id "$board_window" _NET_WM_STATE)"
    read -r frame_left frame_right frame_top frame_bottom < <(xprop -id "$board_window" _NET_FRAME_EXTENTS |
        sed 's/.*= //; s/,//g')
    read -r x y w h < <(xwininfo -id "$board_window" | awk -F: '/Absolute upper-left|Width|Height/ { print $2 }' |
        xargs)
    frame="$((x - frame_left)), $((y - frame_top)), $((w + frame_left + frame_right)), $((h + frame_top + frame_bottom))"
    work_area=$(xprop -root _NET_WORKAREA | sed 's/.*= //' | cut -d, -f1-4)
    [ "$frame" = "$work_area" ] || fail "the board's frame $frame does not fill the work area $work_area"
    # Motif hints: flags, functions, decorations; maximising is bit 16 of the functions, 64 of the decorations.
    read -r flags functions decorations _ < <(xprop -id "$board_window" _MOTIF_WM_HINTS | sed 's/.*= //; s/,/ /g')
    [ $((flags & 3)) -eq 3 ] && [ $((functions & 0x11)) -eq 0 ] && [ $((decorations & 0x41)) -eq 0 ] ||
        fail "the board's Motif hints offer maximising: $(xprop -id "$board_window" _MOTIF_WM_HINTS)"
fi

# --- Win the word: every letter of HANGMAN, 7 positions at 100 points on Easy, with two wrong guesses on
# the way, which cost nothing but two stages of the gallows. ----------------------------------------------
click_letters H B A E N
shot 03-guessing 0.5
click_letters G M
shot 04-word-won 0.5

# --- The New Word tile draws the word again; eleven wrong letters lose it on Easy, which allows ten. -----
sleep 2.5 # the well-done picture goes after 2.5 s
click_board 305 520 336 41
# The name-entry panel, 346 x 204 at 340, 93 on the board, is kept before the losing letter: the panel
# comes 6 s after it, sooner than a slow machine may take screenshots of a large screen.
name_panel=($((scale * (board_left / scale + 340))) $((scale * (board_top / scale + 93))) $((scale * 346)) $((scale * 204)))
click_letters B C D E F I J K L O
remember_region name-panel "${name_panel[@]}"
click_letters P
shot 05-word-lost 1

# --- 6 s after the loss the name entry asks for the name of the 700 points. ----------------------------
wait_until 15 region_changed name-panel "${name_panel[@]}" || fail "no name entry after the lost game"
shot 06-name-entry 0.5
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
shot 07-high-scores 0.5

# --- The commands that set the title, each replacing it whole, and File > Exit. --------------------------
# Menu, item, and the title it leaves. New Game opens the Level menu until a level is chosen; it keeps
# the word list but goes back to Easy.
for step in "$file_menu 1 Easy - Words 1000+" "$level_menu 1 Easy" "$file_menu 1 Easy - Words 1000+" \
    "$level_menu 2 Normal" "$file_menu 1 Easy - Words 1000+" "$level_menu 3 Hard" "$file_menu 1 Easy - Words 1000+" \
    "$words_menu 2 Easy -Words 2000+" "$file_menu 1 Easy - Words 2000+" "$words_menu 1 Easy -Words 1000+"; do
    read -r menu item title <<<"$step"
    choose "$menu" "$item"
    expect_title "Hangman Version 1.2 - Level - $title"
done
shot 08-titles

choose "$file_menu" 2
expect_game_ends "at File > Exit"
check_no_errors
echo "the game was played from the intro to File > Exit; screenshots in $out"
