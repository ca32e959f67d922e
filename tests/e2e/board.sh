# shellcheck shell=bash
# Finding and clicking the game's windows on the virtual display. Sourced, not executed:
#
#   wait_until <seconds> <command...>   waits until the command succeeds
#   visible_window <title pattern>      succeeds while such a window is shown
#   remember_region <name> X Y W H      keeps that region of the screen for region_changed
#   region_changed <name> X Y W H       succeeds when the region differs from the one remembered
#   find_board <screenshot>             finds the board below the menu bar; sets menu_height, board_left
#                                       and board_top
#   board_point L T W H                 prints the screen's x y of the middle of a control of the board
#   open_file_menu <folder>             opens the File menu and waits until it shows
#   tile[letter]                        the letter tiles' click areas as Left Top Width Height

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

# The window fills the screen below its menu bar (light grey), and the board panel, 960 x 660, is centred
# across and stands 10 pixels above the middle of the client area.
find_board() {
    local screen_width screen_height pixel
    import -window root "$1"
    read -r screen_width screen_height < <(identify -format '%w %h\n' "$1")
    menu_height=0
    while [ "$menu_height" -lt 60 ]; do
        pixel=$(convert "$1" -crop "1x1+2+$menu_height" -format '%[fx:int(255*r)]' info:)
        [ "$pixel" -lt 100 ] && break
        menu_height=$((menu_height + 1))
    done
    [ "$menu_height" -gt 0 ] && [ "$menu_height" -lt 60 ] || fail "no menu bar found above the board"
    board_left=$((screen_width / 2 - 480))
    board_top=$((menu_height + (screen_height - menu_height) / 2 - 340))
    echo "menu bar ${menu_height} px high, board at ${board_left},${board_top}"
}

board_point() {
    echo $((board_left + $1 + $3 / 2)) $((board_top + $2 + $4 / 2))
}

open_file_menu() {
    local below_file=(0 "$menu_height" 120 40)
    region_folder=$1
    remember_region file-menu "${below_file[@]}"
    xdotool mousemove 20 $((menu_height / 2)) click 1
    wait_until 5 region_changed file-menu "${below_file[@]}" || fail "the File menu did not open"
    sleep 0.3
}

declare -A tile=(
    [A]="35 530 71 31" [B]="125 530 71 31" [C]="215 530 71 31" [D]="660 530 66 31" [E]="750 530 66 31"
    [F]="840 530 66 31" [G]="40 570 66 31" [H]="125 570 66 31" [I]="220 570 66 31" [J]="310 570 66 31"
    [K]="400 570 66 36" [L]="490 570 66 36" [M]="575 570 66 36" [N]="660 570 66 36" [O]="750 570 66 36"
    [P]="840 570 66 31" [Z]="840 610 66 31"
)
