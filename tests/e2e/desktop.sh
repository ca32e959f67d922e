# shellcheck shell=bash
# The desktops the end-to-end game runs on, and what the test reads off their screens. Sourced, not
# executed; needs xvfb.sh and gamedata.sh.
#
#   desktop_start <desktop> <folder>  starts the display of one desktop: "bare" (an X server and nothing
#                                     else), "openbox" (with that window manager), "hidpi" (an X server
#                                     twice the size, the game scaled by two) or "wayland" (a headless
#                                     compositor); sets scale, screen_width and screen_height
#   desktop_stop                      ends it; call it from the script's exit trap
#   screenshot <file>                 the whole screen as a PNG
#   check_board_centred <screenshot>  fails unless the board stands where the game centres it in the
#                                     black client area below the menu bar measured on the screen; sets
#                                     client_left, client_top, client_width, client_height, board_left
#                                     and board_top
#   check_intro_layout <screenshot>   fails unless the intro covers the screen, borderless, with the
#                                     movie in the middle and the strip along the bottom

desktop=
scale=1
screen_width=1024
screen_height=768
wm_pid=

desktop_start() {
    desktop=$1
    local folder=$2
    case $desktop in
    bare | openbox) ;;
    hidpi)
        scale=2
        export QT_SCALE_FACTOR=2
        ;;
    wayland)
        # A headless compositor whose debug protocol lets weston-screenshooter take screenshots.
        export XDG_RUNTIME_DIR="$folder/runtime" WAYLAND_DISPLAY="zub-e2e-$$"
        mkdir -p -m 700 "$XDG_RUNTIME_DIR"
        weston --backend=headless-backend.so --use-pixman --debug --width="$screen_width" \
            --height="$screen_height" --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$folder/weston.log" 2>&1 &
        wm_pid=$!
        wait_until 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
        export QT_QPA_PLATFORM=wayland
        unset DISPLAY
        return
        ;;
    *) fail "unknown desktop $desktop" ;;
    esac
    screen_width=$((1024 * scale))
    screen_height=$((768 * scale))
    xvfb_start "${screen_width}x${screen_height}" "$folder" || return 1
    if [ "$desktop" = openbox ]; then
        openbox --sm-disable >"$folder/openbox.log" 2>&1 &
        wm_pid=$!
        # The window manager is running once it names itself on the root window.
        wait_until 10 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
            fail "openbox did not start"
    fi
}

# Ends the window manager or compositor, and the X server.
desktop_stop() {
    [ -z "$wm_pid" ] || { kill "$wm_pid" 2>/dev/null; wait "$wm_pid" 2>/dev/null; } || true
    wm_pid=
    xvfb_stop
}

screenshot() {
    if [ "$desktop" = wayland ]; then
        local taken
        rm -f "$XDG_RUNTIME_DIR"/wayland-screenshot-*.png
        (cd "$XDG_RUNTIME_DIR" && weston-screenshooter) >/dev/null 2>&1 || return 1
        taken=$(ls "$XDG_RUNTIME_DIR"/wayland-screenshot-*.png) && mv "$taken" "$1"
    else
        import -window root "$1"
    fi
}

# The pixels of a strip one pixel wide or high, given as WxH+X+Y, as a string: 0 for black, 1 for
# any other colour.
strip_pixels() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 { printf "%d", ($3 > 8 || $4 > 8 || $5 > 8) }'
}

# Prints the index of the first character $2 in the string $1 from index $3 on.
first_of() {
    local rest=${1:$3}
    local before=${rest%%"$2"*}
    [ "${#before}" -lt "${#rest}" ] || return 1
    echo $(($3 + ${#before}))
}

# The board, 960 x 660, stands centred across the client area and 10 pixels above its middle; the game
# works in pixels of the unscaled screen, so the sizes are scaled down and the places up again.
check_board_centred() {
    # Across the middle of the screen: window decoration, the black margin, the board, the black margin.
    local row column bottom
    row=$(strip_pixels "$1" "${screen_width}x1+0+$((screen_height / 2))")
    client_left=$(first_of "$row" 0 0) || fail "no client area across the middle of $1"
    local after_right=${row##*0}
    client_width=$((${#row} - ${#after_right} - client_left))
    board_left=$(first_of "$row" 1 "$client_left") || fail "no board across the middle of $1"
    # Down the left margin: panel, title bar and menu bar, then the client area, then the lower border.
    column=$(strip_pixels "$1" "1x${screen_height}+$((client_left + 1))+0")
    client_top=$(first_of "$column" 0 0) || fail "no client area down the left of $1"
    bottom=$(first_of "$column" 1 "$client_top") || bottom=${#column}
    client_height=$((bottom - client_top))
    column=$(strip_pixels "$1" "1x${screen_height}+$((client_left + client_width / 2))+0")
    board_top=$(first_of "$column" 1 "$client_top") || fail "no board down the middle of $1"

    local want_left=$((client_left + scale * (client_width / scale / 2 - 480)))
    local want_top=$((client_top + scale * (client_height / scale / 2 - 340)))
    echo "client area ${client_width}x${client_height} at ${client_left},${client_top};" \
        "board at ${board_left},${board_top}"
    [ "$board_left,$board_top" = "$want_left,$want_top" ] ||
        fail "the board stands at $board_left,$board_top instead of $want_left,$want_top in $1"
}

# Prints the box W H X Y around what is not black in the region W x H at X, Y (unscaled pixels).
content_box() {
    convert "$1" -crop "$((scale * $2))x$((scale * $3))+$((scale * $4))+$((scale * $5))" +repage \
        -fuzz 3% -trim -format '%w %h %X %Y' info: | tr -d +
}

# Fails unless the content box $2 (W H X Y, relative to the region at $3, $4) lies inside the box
# $5 x $6 at $7, $8 of the unscaled screen and is at least $9 pixels wide.
check_inside() {
    local w h x y
    read -r w h x y <<<"$2"
    local left=$(($3 * scale + x)) top=$(($4 * scale + y))
    [ "$left" -ge $((scale * $7)) ] && [ "$top" -ge $((scale * $8)) ] &&
        [ $((left + w)) -le $((scale * ($7 + $5))) ] && [ $((top + h)) -le $((scale * ($8 + $6))) ] &&
        [ "$w" -ge $((scale * $9)) ] ||
        fail "$1: ${w}x${h} at $left,$top is not inside $5x$6 at $7,$8 (x$scale)"
}

check_intro_layout() {
    local w=$((screen_width / scale)) h=$((screen_height / scale))
    # Black from edge to edge along the top and down the left: no panel, title bar or border.
    [ "$(strip_pixels "$1" "${screen_width}x1+0+0" | tr -d 0)" = "" ] &&
        [ "$(strip_pixels "$1" "1x${screen_height}+0+0" | tr -d 0)" = "" ] ||
        fail "the intro does not cover the screen edge to edge in $1"
    # The movie, 620 x 480, in the middle of the screen, and the caption near the middle of the 90-pixel
    # strip along the bottom (the skip controls at its right end are clicked: the intro's tests hold their
    # places and their picture).
    check_inside "the movie" "$(content_box "$1" "$w" $((h - 90)) 0 0)" 0 0 \
        620 480 $((w / 2 - 310)) $((h / 2 - 240)) 500
    check_inside "the intro's caption" "$(content_box "$1" 300 90 $((w / 2 - 150)) $((h - 90)))" \
        $((w / 2 - 150)) $((h - 90)) 118 13 $((w / 2 - 60)) $((h - 90 + 71)) 40
}
