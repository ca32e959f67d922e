#!/usr/bin/env bash
# End to end: every sound of a scripted game is heard on a real sound server, on time. The test runs its
# own PulseAudio server with a null sink and records the sink's monitor. Each cue of its data folder is a
# pure tone of its own pitch, and a short marker tone is played through the same server just before each
# click, so the recording shows when each cue started and stopped against the click that asked for it.
#
# Usage: play_sounds.sh <program> <data folder the program was built with> <the game's data folder>
#        <output folder> <bound in ms>
set -euo pipefail
here=$(dirname "$0")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tests/e2e/gamedata.sh
source "$here/gamedata.sh"
# shellcheck source=tests/e2e/desktop.sh
source "$here/desktop.sh"
# shellcheck source=tests/e2e/board.sh
source "$here/board.sh"

program=$1
data=$2
source_data=$3
out=$4
bound=$5

declare -A pitch=([Marker]=3000 [Media]=1700 [GameOverMovie]=1400 [BackSound]=400 [MediaWin]=2400
    [LoseLetter]=800 [WinSound]=1000 [NewWord]=1200)

# --- The data folder: the cues as tones. The music lasts 5 s, so that its restart 16 s later stands out;
# a found letter is a 30 ms blip, so that the starts of one click are told apart. -------------------------
make_game_data "$data" "$out" "$source_data"
tone() { sox -n -r 22050 -c 1 -b 16 "$data/Intro/$1" synth "$2" sine "${pitch[$3]}" vol 0.5 fade q 0.005 "$2" 0.005; }
tone backsound1.wav 5 BackSound
tone winletter.wav 0.03 MediaWin
tone lose2.wav 0.25 LoseLetter
tone winner2.wav 4 WinSound
tone newword.wav 0.3 NewWord
sox -n -r 16000 -c 1 -b 16 "$out/marker.wav" synth 0.04 sine "${pitch[Marker]}" vol 0.5
movie() {
    ffmpeg -y -v error -f lavfi -i "color=$4:s=64x48:r=10:d=$2" -f lavfi -i "sine=f=${pitch[$3]}:d=$2" \
        -c:v mjpeg -c:a pcm_s16le -ar 22050 -ac 1 "$data/Intro/$1"
}
movie Hangman.avi 10 Media black
movie "Game over.avi" 4 GameOverMovie red # its pictures are seen while its sound plays apart

# --- A sound server of our own, its sink's monitor recorded from the start. -----------------------------
export XDG_RUNTIME_DIR="$out/run" HOME="$out/home"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
server_pid=
recorder_pid=
silence_pid=
cleanup() {
    for pid in $program_pid $recorder_pid $silence_pid $server_pid; do
        kill "$pid" 2>/dev/null || true
    done
    desktop_stop
}
trap cleanup EXIT
pulseaudio -n --daemonize=no --system=false --exit-idle-time=-1 --use-pid-file=false -F /dev/null \
    --load="module-null-sink sink_name=zub norewinds=1" --load=module-native-protocol-unix 2>"$out/pulseaudio.log" &
server_pid=$!
wait_until 10 pactl info || fail "the sound server did not start"
# A silent stream keeps the sink running, so that the recording has no gaps while nothing plays.
pacat --latency-msec=20 --raw --rate=16000 --channels=1 /dev/zero &
silence_pid=$!
nice -n -10 parecord --latency-msec=50 -d zub.monitor --raw --format=s16le --rate=16000 --channels=1 "$out/sound.raw" &
recorder_pid=$!

desktop_start bare "$out" || fail "the virtual display did not start"
region_folder=$out
skip_intro=($((1024 - 115 + 39)) $((768 - 90 + 58 + 10)))
start_intro() {
    start_game "$program" "$out"
    wait_until 20 visible_window '^Zub Hangman$' || fail "the intro did not appear"
    sleep 1.5
}

# Clicks at x, y just after the marker and notes what the recording must show for it.
plan="$out/plan.txt"
: >"$plan"
cue_click() {
    local x=$1 y=$2
    shift 2
    xdotool mousemove "$x" "$y"
    sleep 0.1
    paplay "$out/marker.wav"
    xdotool click 1
    echo "$*" >>"$plan"
    sleep 0.5
}
cue_letter() {
    local letter=$1
    shift
    # shellcheck disable=SC2086
    cue_click $(board_point ${tile[$letter]}) "$letter" "$@"
}

# --- The scripted game: skip the intro, win HANGMAN, lose the next word, wait for the music, New Game. ---
start_intro
cue_click "${skip_intro[@]}" skip Media- BackSound+
wait_until 10 visible_window '^Hangman Version' || fail "the board did not appear after Skip Intro"
sleep 1
screenshot "$out/board.png"
check_board_centred "$out/board.png"
cue_letter H BackSound- MediaWin+
cue_letter A MediaWin+x2
cue_letter Z LoseLetter+
cue_letter N MediaWin+
cue_letter G MediaWin+
cue_letter M MediaWin+ WinSound+
sleep 2.5 # the well-done picture covers the New Word tile for 2.5 s
# shellcheck disable=SC2046
cue_click $(board_point 305 520 336 41) new-word WinSound- NewWord+
for letter in B C D E F I J K L O; do
    cue_letter "$letter" LoseLetter+
done
# The losing click: the movie and the wrong-letter sound at once; 6 s later the music, 16 s after that
# the music again, started by Timer1.
cue_letter P GameOverMovie+ LoseLetter+ BackSound+@6.0 BackSound+@22.0
sleep 1
import -window root "$out/game-over.png"
red=$(convert "$out/game-over.png" -fuzz 20% -fill black +opaque red -fill white -opaque red -format '%[fx:mean]' info:)
awk -v red="$red" 'BEGIN { exit !(red > 0.01) }' || fail "the game-over movie's pictures were not seen (red share $red)"
sleep 22
open_menu "$file_menu"
paplay "$out/marker.wav"
xdotool key Down Return
echo "new-game BackSound- NewWord+" >>"$plan"
sleep 1
import -window root "$out/new-game.png"
kill -0 "$program_pid" || fail "the program ended during the game"
kill "$recorder_pid"
recorder_pid=

args=()
for cue in "${!pitch[@]}"; do
    args+=("$cue=${pitch[$cue]}")
done
python3 "$here/cue_onsets.py" "$out/sound.raw" "$plan" "$bound" "${args[@]}" || fail "a cue was not heard on time"

# --- Once more with the game's own sounds: the music on the board, a found and a wrong letter are heard.
kill "$program_pid"
wait "$program_pid" || true
cp "$source_data"/Intro/*.wav "$data/Intro/"
start_intro
# Records the sink while the command runs and for a moment after; fails when that was near silence.
heard() {
    local name=$1
    shift
    parecord -d zub.monitor --raw --format=s16le --rate=16000 --channels=1 "$out/$name.raw" &
    recorder_pid=$!
    sleep 0.3
    "$@"
    sleep 0.7
    kill "$recorder_pid"
    recorder_pid=
    local rms
    rms=$(sox -t raw -r 16000 -e signed -b 16 -c 1 "$out/$name.raw" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
    echo "$name: RMS amplitude $rms"
    awk -v rms="$rms" 'BEGIN { exit !(rms > 0.01) }' || fail "the game's own $name was not heard"
}
heard music xdotool mousemove "${skip_intro[@]}" click 1
# The first guess stops the music for good; then each sound is heard on its own.
# shellcheck disable=SC2046
xdotool mousemove $(board_point ${tile[Z]}) click 1
sleep 1
# shellcheck disable=SC2046
heard winletter xdotool mousemove $(board_point ${tile[H]}) click 1
# shellcheck disable=SC2046
heard lose2 xdotool mousemove $(board_point ${tile[B]}) click 1
echo "every cue of the game was heard on time; the recording is $out/sound.raw"
