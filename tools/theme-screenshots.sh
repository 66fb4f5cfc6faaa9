#!/bin/sh
# Takes one screenshot per theme of the command box, the player and the desktop lyrics window
# side by side on a private virtual screen, and joins them into one sheet:
#   tools/theme-screenshots.sh [BUILD_DIR] [OUTPUT_FOLDER]
# Needs Xvfb, openbox, xdotool and ImageMagick (scripts/deps.sh build installs them).
set -eu
build=${1:-build}
out=${2:-$build/theme-shots}
program="$build/bin/mirato"
[ -x "$program" ] || { echo "No program at $program: build it first." >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)
scratch=$(mktemp -d)
pids=""
cleanup() {
    # shellcheck disable=SC2086
    [ -n "$pids" ] && kill $pids 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

: >"$scratch/display"
Xvfb -displayfd 3 -screen 0 1100x420x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids="$!"
while [ ! -s "$scratch/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
export QT_QPA_PLATFORM=xcb MIRATO_AUDIO_OUTPUT=null
openbox >/dev/null 2>&1 &
pids="$pids $!"
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; do sleep 0.1; done
xsetroot -solid '#6d7b8a' 2>/dev/null || true

for theme in Blue RosePink Green LightGreen Purple; do
    home="$scratch/$theme"
    mkdir -p "$home/windows" "$home/runtime"
    chmod 700 "$home/runtime"
    # Positions in twips (15 to a pixel): box, player and lyrics in a row; the lyrics window
    # sits glued under the player.
    printf '[Option]\nSkin=%s\nOneRun=1\nwl.left=600\nwl.top=900\nplayer.left=6600\nplayer.top=900\nLrcShow.left=6600\nLrcShow.top=2400\n' \
        "$theme" >"$home/windows/Mirato.dat"
    HOME="$home" windir="$home/windows" XDG_RUNTIME_DIR="$home/runtime" \
        XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" "$program" &
    app=$!
    until xdotool search --name '^Mirato$' >/dev/null 2>&1; do sleep 0.1; done
    sleep 0.5
    xdotool type --delay 20 'Music   ' >/dev/null 2>&1 || true
    xdotool key ctrl+i
    sleep 0.4
    xdotool search --name '^Mirato$' windowactivate --sync >/dev/null 2>&1 || true
    xdotool key ctrl+l
    sleep 0.8
    # Hover on the box's close button shows its hover picture in the shot.
    xdotool mousemove 337 78
    sleep 0.3
    import -window root -crop 760x260+20+40 +repage "$out/$theme.png"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
done
convert "$out/Blue.png" "$out/RosePink.png" "$out/Green.png" "$out/LightGreen.png" \
    "$out/Purple.png" -append "$out/all-themes.png"
echo "screenshots in $out"
