# shellcheck shell=bash
# What the end-to-end tests share. Sourced, not executed; expect_game_ends needs board.sh:
#
#   fail <message>                 ends the test with the message
#   make_game_data <data> <out> <the game's data>
#                                  makes the data folder afresh, with both word lists holding the one
#                                  word HANGMAN and the game's own high-score table and media, and an
#                                  empty output folder whose home/ takes the player's own files
#   start_game <program> <out>     starts the program, its output going to <out>/program.log; sets
#                                  program_pid and program_log
#   stop_game                      ends the program if it still runs; call it from the script's exit trap
#   expect_game_ends <when>        fails unless the program ends within 10 s, with status 0
#   check_no_errors                fails if the program reported an error of its own

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

make_game_data() {
    local data=$1
    local out=$2
    rm -rf "$data" "$out"
    mkdir -p "$data/Intro" "$out/home"
    printf '1\r\nHANGMAN\r\n' >"$data/datalst2.zub"
    cp "$data/datalst2.zub" "$data/datalst.zub"
    cp "$3/hang.zub" "$data/hang.zub"
    cp "$3"/Intro/* "$data/Intro/"
    export XDG_DATA_HOME="$out/home"
}

program_pid=
start_game() {
    program_log="$2/program.log"
    "$1" >"$program_log" 2>&1 &
    program_pid=$!
}

stop_game() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
}

expect_game_ends() {
    local status=0
    wait_until 10 bash -c "! kill -0 $program_pid" || fail "the program did not end $1"
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

check_no_errors() {
    ! grep '^zub-hangman:' "$program_log" || fail "the program reported the errors above"
}
