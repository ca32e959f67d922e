#!/usr/bin/env bash
# Proves the Debian package on a fresh Debian 12: builds it (build-deb.sh), makes a new minimal root with
# debootstrap, installs the package there with apt and nothing else, then, as a player of that system,
# starts the game by the menu entry's Exec line under xvfb-run: the intro shows, a click on Skip Intro
# shows the board. The tools of the check (Xvfb, xdotool) are installed after the game, and every
# file the running game has mapped must come from a package that the game's own install brought in.
#
# Needs root (debootstrap, chroot) and the Debian archive, so it is not part of ./test. The mirror is the
# one apt uses on this machine (ZUB_DEBIAN_MIRROR overrides it). Logs and screenshots: build/clean-install.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "$0 needs root: it runs debootstrap and chroot" >&2; exit 1; }
source tools/setup-common.sh
zub_install_packages debootstrap imagemagick

packaging/build-deb.sh
version=$(dpkg-parsechangelog -S Version)
deb="zub-hangman_${version}_$(dpkg --print-architecture).deb"
desktop_id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' packaging/*.metainfo.xml)

mirror=${ZUB_DEBIAN_MIRROR:-$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null |
    awk '$2 == "bookworm" { print $1; exit }')}
mirror=${mirror:-http://deb.debian.org/debian/}

out=$PWD/build/clean-install
root=$out/root

# Ends what still runs inside the root and lets go of its mounts.
cleanup() {
    local proc
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill "${proc#/proc/}" 2>/dev/null
    done
    sleep 1
    for mount in dev/shm dev/pts proc; do
        mountpoint -q "$root/$mount" && umount "$root/$mount"
    done
    return 0
}
trap cleanup EXIT

cleanup
rm -rf "$out"
mkdir -p "$out"
echo "== debootstrap bookworm from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$out/debootstrap.log" 2>&1 ||
    { tail -n 20 "$out/debootstrap.log"; exit 1; }
mount -t proc proc "$root/proc"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }

echo "== apt install ./$deb"
cp "out/$deb" "$root/tmp/"
in_root apt-get update >"$out/apt.log" 2>&1
in_root apt-get install -y --no-install-recommends "/tmp/$deb" >>"$out/apt.log" 2>&1 ||
    { tail -n 20 "$out/apt.log"; exit 1; }
grep -E '^(Setting up zub-hangman|[0-9]+ upgraded)' "$out/apt.log"
in_root dpkg-query -W -f '${Package}\n' | sort >"$out/packages-with-game.txt"

# Xvfb keeps its screen in a file that is the screenshot, so no screenshot tool (and its libraries) is needed.
echo "== the tools of the check: xvfb xauth xdotool"
in_root apt-get install -y --no-install-recommends xvfb xauth xdotool >>"$out/apt.log" 2>&1
in_root useradd --create-home --shell /bin/bash player

# Run as the player from a login shell, so PATH is the system's own for players (with /usr/games).
cat >"$root/home/player/start-game.sh" <<SCRIPT
#!/bin/sh
# Starts the game as the menu does and walks from the intro to the board.
set -eu
cd "\$HOME"
exec_line=\$(sed -n 's/^Exec=//p' /usr/share/applications/$desktop_id.desktop | sed 's/ *%[a-zA-Z]//g')
echo "menu entry: Exec=\$exec_line (\$(command -v "\${exec_line%% *}"))"
\$exec_line >game.log 2>&1 &
game=\$!
wait_for() {
    for _ in \$(seq 300); do
        xdotool search --onlyvisible --name "\$1" >/dev/null 2>&1 && return 0
        kill -0 \$game 2>/dev/null || { echo "the game ended"; cat game.log; return 1; }
        sleep 0.1
    done
    echo "no window named \$1"; return 1
}
wait_for '^Zub Hangman\$'
sleep 2
cp screen/Xvfb_screen0 intro.xwd
echo "intro shown"
# Skip Intro: 79 x 20 at left W - 115, 58 pixels into the 90-pixel strip at the bottom of a 1024 x 768 screen.
xdotool mousemove 948 746 click 1
wait_for '^Hangman Version 1.2 -  Level - Easy - Words 1000+'
sleep 1
cp screen/Xvfb_screen0 board.xwd
echo "board shown: \$(xdotool search --onlyvisible --name '^Hangman Version' getwindowname)"
awk '\$6 ~ /^\// { print \$6 }' /proc/\$game/maps | sort -u >mapped-files.txt
kill \$game
SCRIPT
chmod 755 "$root/home/player/start-game.sh"

echo "== as player: xvfb-run ./start-game.sh"
in_root su - player -c 'mkdir -p screen && xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -fbdir screen" ./start-game.sh'
echo "-- what the game printed:"
cat "$root/home/player/game.log"

# Every file the game had mapped belongs to a package that installing the game brought in. dpkg knows
# the libraries by their paths before /lib moved under /usr; caches and memory files belong to no package.
cat >"$root/tmp/owners.sh" <<'SCRIPT'
while read -r file; do
    dpkg -S "$file" 2>/dev/null || dpkg -S "${file#/usr}" 2>/dev/null || echo "none: $file"
done
SCRIPT
in_root sh /tmp/owners.sh <"$root/home/player/mapped-files.txt" >"$out/owners.txt"
grep '^none: ' "$out/owners.txt" | sed 's/^none: /not from a package: /' || true
grep -v '^none: ' "$out/owners.txt" | cut -d: -f1 | tr ',' '\n' | tr -d ' ' | sort -u >"$out/packages-mapped.txt"
foreign=$(comm -23 "$out/packages-mapped.txt" "$out/packages-with-game.txt")
[ -z "$foreign" ] || { echo "The game loaded files of packages its install did not bring: $foreign" >&2; exit 1; }
echo "the game mapped $(wc -l <"$root/home/player/mapped-files.txt") files of $(wc -l <"$out/packages-mapped.txt") packages, all installed with it"

# The intro is a dark movie and the board a bright picture: neither screenshot may be black.
for shot in intro:0.005 board:0.05; do
    name=${shot%:*}
    convert "xwd:$root/home/player/$name.xwd" "$out/$name.png"
    mean=$(convert "$out/$name.png" -colorspace Gray -format '%[fx:mean]' info:)
    echo "$out/$name.png: mean brightness $mean"
    awk -v m="$mean" -v least="${shot#*:}" 'BEGIN { exit !(m > least) }' ||
        { echo "The $name screenshot is black" >&2; exit 1; }
done
echo "== the package installs into a fresh Debian 12 and the game starts from its menu entry"
