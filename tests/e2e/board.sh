# shellcheck shell=bash
# Finding and clicking the game's windows on the virtual display. Places are in pixels of the unscaled
# screen, which is $scale times smaller than the real one (desktop.sh sets scale; it is 1 without it).
# Sourced, not executed:
#
#   wait_until <seconds> <command...>   waits until the command succeeds
#   visible_window <title pattern>      succeeds while such a window is shown
#   remember_region <name> X Y W H      keeps that region of the real screen for region_changed, in the
#                                       folder $region_folder
#   region_changed <name> X Y W H       succeeds when the region differs from the one remembered
#   click_at X Y                        clicks there
#   board_point L T W H                 prints the x y of the middle of a control of the board, which
#                                       desktop.sh's check_board_centred finds at board_left, board_top
#   click_board L T W H                 clicks the middle of a control of the board
#   click_letters <letter...>           clicks the letters' tiles
#   open_menu <x>                       opens the menu whose title stands x pixels from the left of the
#                                       menu bar, just above the client area, and waits until it shows
#   choose <x> <item>                   opens that menu and chooses its item number <item>
#   file_menu, words_menu, level_menu   the menus' x
#   tile[letter]                        the letter tiles' click areas as Left Top Width Height

scale=${scale:-1}

wait_until() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

visible_window() {
    xdotool search --onlyvisible --name "$1"
}

remember_region() {
    import -window root -crop "${4}x${5}+${2}+${3}" +repage "$region_folder/region-$1.png"
}

region_changed() {
    import -window root -crop "${4}x${5}+${2}+${3}" +repage "$region_folder/region-now.png"
    ! compare -metric AE "$region_folder/region-$1.png" "$region_folder/region-now.png" null: 2>/dev/null
}

click_at() {
    xdotool mousemove $((scale * $1)) $((scale * $2))
    sleep 0.1
    xdotool click 1
    sleep 0.3
}

board_point() {
    echo $((board_left / scale + $1 + $3 / 2)) $((board_top / scale + $2 + $4 / 2))
}

click_board() {
    # shellcheck disable=SC2046
    click_at $(board_point "$@")
}

click_letters() {
    local letter
    for letter; do
        # shellcheck disable=SC2086
        click_board ${tile[$letter]}
    done
}

file_menu=18
words_menu=65
level_menu=113

open_menu() {
    local x=$((client_left / scale + $1)) y=$((client_top / scale - 10))
    local below=($((scale * (x - 15))) $((scale * (y + 12))) $((scale * 100)) $((scale * 40)))
    remember_region menu "${below[@]}"
    click_at "$x" "$y"
    wait_until 5 region_changed menu "${below[@]}" || fail "the menu at $1 did not open"
    sleep 0.3
}

choose() {
    open_menu "$1"
    for _ in $(seq "$2"); do
        xdotool key Down
    done
    xdotool key Return
}

declare -A tile=(
    [A]="35 530 71 31" [B]="125 530 71 31" [C]="215 530 71 31" [D]="660 530 66 31" [E]="750 530 66 31"
    [F]="840 530 66 31" [G]="40 570 66 31" [H]="125 570 66 31" [I]="220 570 66 31" [J]="310 570 66 31"
    [K]="400 570 66 36" [L]="490 570 66 36" [M]="575 570 66 36" [N]="660 570 66 36" [O]="750 570 66 36"
    [P]="840 570 66 31" [Z]="840 610 66 31"
)
