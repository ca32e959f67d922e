# shellcheck shell=bash
# What both end-to-end tests share. Sourced, not executed:
#
#   fail <message>                 ends the test with the message
#   make_game_data <data> <out>    makes an empty data folder and output folder, the data folder with
#                                  both word lists holding the one word HANGMAN

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
}
