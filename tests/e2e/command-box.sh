#!/bin/sh
# Starts the real program on a private virtual screen and uses it as a person would:
# the command box shows at its size, TM128 typed and entered lands in the settings file, a
# first start stores the default theme (all its pictures loaded), a Baidu-mode query reaches
# the default browser (a recording stand-in) as one exact address,
# Alt+R hides and shows the box, a second start hands its file to the first, and the lyrics
# window snaps under the player and travels with it when the player is dragged.
# An installed application (a fixture desktop entry) starts from its first letters, Tab and
# Enter. A first start with a song plays it. Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=$1
grabber=$2
. "$(dirname "$0")/helpers.sh"
need Xvfb xdotool

DISPLAY=$(free_display 150)
export DISPLAY
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export windir="$HOME/windows"
export MIRATO_AUDIO_OUTPUT=null
mkdir -p "$windir" "$HOME/bin" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"

# The default browser: writes each argument it gets on a line of its own.
cat >"$HOME/bin/recorder" <<'SCRIPT'
#!/bin/sh
for argument in "$@"; do printf '%s\n' "$argument"; done >>"$HOME/browser.log"
SCRIPT
chmod +x "$HOME/bin/recorder"
printf '[Desktop Entry]\nType=Application\nName=Recorder\nExec=%s %%u\n' "$HOME/bin/recorder" \
    >"$XDG_DATA_HOME/applications/recorder.desktop"
printf '[Default Applications]\nx-scheme-handler/http=recorder.desktop\n' \
    >"$XDG_CONFIG_HOME/mimeapps.list"
# An installed application; the machine's own stay out of the way of the completion.
export XDG_DATA_DIRS="$HOME/system-data"
cat >"$HOME/bin/fixture-app" <<'SCRIPT'
#!/bin/sh
printf '%s\n' "$*" >>"$HOME/fixture.log"
SCRIPT
chmod +x "$HOME/bin/fixture-app"
printf '[Desktop Entry]\nType=Application\nName=Xtest Fixture\nExec="%s" --started %%U\n' \
    "$HOME/bin/fixture-app" >"$XDG_DATA_HOME/applications/xtest-fixture.desktop"
printf '[Desktop Entry]\nType=Application\nName=Xtest Fixture Two\nExec="%s" --second\n' \
    "$HOME/bin/fixture-app" >"$XDG_DATA_HOME/applications/xtest-fixture-two.desktop"

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=""
grabber_pid=""
trap 'kill $app $grabber_pid $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
within xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"

# The catalogue of installed applications says when it has been read (the completion waits
# for it; a loaded machine may type faster than the worker reads).
log="$HOME/program.log"
QT_LOGGING_RULES='mirato.*.debug=true' "$program" 2>"$log" &
app=$!
shows() { window=$(xdotool search --onlyvisible --name '^Mirato$' 2>/dev/null); }
within shows || fail "no command box within 5 s"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "340x100" ] || fail "command box is $geometry, expected 340x100"
xdotool windowfocus --sync "$window"

xdotool type --delay 20 "TM128"
xdotool key Return
stored() { grep -q '^TM=128$' "$windir/Mirato.dat" 2>/dev/null; }
within stored || fail "TM128 did not reach the settings file"
# A first start found every picture of the default theme beside the program.
grep -q '^Skin=Blue$' "$windir/Mirato.dat" || fail "the default theme was not stored"

xdotool key ctrl+b
xdotool type --delay 20 "hello world"
xdotool key Return
browsed() { grep -qx 'http://www.baidu.com/s?wd=hello world' "$HOME/browser.log" 2>/dev/null; }
within browsed || fail "the browser did not get the Baidu address: $(cat "$HOME/browser.log" 2>&1)"

catalogued() { grep -q ' applications$' "$log" 2>/dev/null; }
within catalogued || fail "the installed applications were never read"
xdotool type --delay 20 "xte"
xdotool key Tab Return
started() { grep -qx -- '--started' "$HOME/fixture.log" 2>/dev/null; }
within started || fail "xte, Tab and Enter did not start the installed application"

# The answers open under the box as the line is typed; Down chooses one, Enter starts it. The
# rows: the line as typed, the line run just now, the other application.
xdotool type --delay 20 "xte"
answers() { list=$(xdotool search --onlyvisible --name '^Mirato answers$' 2>/dev/null | head -n 1); [ -n "$list" ]; }
within answers || fail "no list of answers opened under the box"
boxBottom=$(xdotool getwindowgeometry "$window" | awk '/Position/ { split($2, p, ","); y = p[2] } /Geometry/ { split($2, g, "x"); print y + g[2] }')
listTop=$(xdotool getwindowgeometry "$list" | awk '/Position/ { split($2, p, ","); print p[2] }')
[ $((listTop - boxBottom)) -ge 0 ] && [ $((listTop - boxBottom)) -le 2 ] ||
    fail "the answers are not under the box: list at y $listTop, box ends at $boxBottom"
xdotool key Down Down Return
second() { grep -qx -- '--second' "$HOME/fixture.log" 2>/dev/null; }
within second || fail "Down, Down and Enter did not start the chosen application: $(cat "$HOME/fixture.log")"
gone() { ! answers; }
within gone || fail "the answers stayed open after Enter"

# Alt+R hides the box and shows it again.
hidden() { [ -z "$(xdotool search --onlyvisible --name '^Mirato$' 2>/dev/null)" ]; }
xdotool key alt+r
within hidden || fail "Alt+R did not hide the box"
xdotool key alt+r
within shows || fail "Alt+R did not show the box again"
# With NumLock on as well.
xdotool key Num_Lock
xdotool key alt+r
within hidden || fail "Alt+R with NumLock on did not hide the box"
xdotool key alt+r
within shows || fail "Alt+R with NumLock on did not show the box again"
xdotool key Num_Lock
grep -q '^ToggleKeyHint' "$windir/Mirato.dat" && fail "Alt+R was taken, yet the user was told it was not"

# Where Alt+R cannot be taken, "mirato --toggle" does the same.
"$program" --toggle || fail "--toggle found no running instance"
within hidden || fail "--toggle did not hide the box"
"$program" --toggle
within shows || fail "--toggle did not show the box again"

# A second start hands its file to this one and ends at once; the player opens for it.
printf 'RIFF' >"$HOME/Song.wav"
"$program" "$HOME/Song.wav" || fail "the second start failed"
player() { xdotool search --onlyvisible --name '^VizavIva$' >/dev/null 2>&1; }
within player || fail "the first instance did not open the handed-over file"

# The lyrics window, dragged near the player's lower edge, snaps under it and from then on
# travels with the player.
position() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9-]*,[0-9-]*\).*/\1/p'; }
drag() {  # window, from x y (inside it), to x y
    xdotool mousemove "$2" "$3" mousedown 1
    xdotool mousemove "$(( ($2 + $4) / 2 ))" "$(( ($3 + $5) / 2 ))"
    xdotool mousemove "$4" "$5"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.3
}
playerWindow=$(xdotool search --onlyvisible --name '^VizavIva$' | head -n 1)
xdotool windowmove --sync "$playerWindow" 300 200
xdotool windowfocus --sync "$window"
xdotool key ctrl+l
lyricsShown() { lyricsWindow=$(xdotool search --onlyvisible --name '^LrcShow$' 2>/dev/null | head -n 1); [ -n "$lyricsWindow" ]; }
within lyricsShown || fail "Ctrl+L did not show the lyrics window"
xdotool windowmove --sync "$lyricsWindow" 600 500
drag "$lyricsWindow" 700 560 404 366  # its top-left would land at 304,306: 4 and 6 pixels off
[ "$(position "$lyricsWindow")" = "300,300" ] || fail "the lyrics window did not snap under the player: $(position "$lyricsWindow")"
drag "$playerWindow" 450 228 550 278  # on the background, clear of its controls
[ "$(position "$playerWindow")" = "400,250" ] || fail "the player did not follow the drag: $(position "$playerWindow")"
[ "$(position "$lyricsWindow")" = "400,350" ] || fail "the glued lyrics window stayed behind: $(position "$lyricsWindow")"

kill -0 "$app" 2>/dev/null || fail "the program ended"

# Another program holds Alt+R: the user is told once how to do without it, and --toggle works.
kill "$app"
wait "$app" 2>/dev/null
"$grabber" >"$HOME/grabber.log" &
grabber_pid=$!
grabbed() { grep -q grabbed "$HOME/grabber.log"; }
within grabbed || fail "the other program could not grab Alt+R"
# The catalogue of installed applications says when it has been read (the completion waits
# for it; a loaded machine may type faster than the worker reads).
log="$HOME/program.log"
QT_LOGGING_RULES='mirato.*.debug=true' "$program" 2>"$log" &
app=$!
within shows || fail "no command box after the restart"
told() { grep -q '^ToggleKeyHint=1' "$windir/Mirato.dat"; }
within told || fail "a key held by another program was not told"
"$program" --toggle
within hidden || fail "--toggle did not hide the box while another program holds Alt+R"
kill "$grabber_pid"

# A first start with a song: it is heard, the player shows it and the box comes up.
kill "$app"
wait "$app" 2>/dev/null
silent_wav "$HOME/Start.wav" 44100 2 16 1
MIRATO_AUDIO_OUTPUT="pcm:$HOME/heard.pcm" "$program" "$HOME/Start.wav" 2>>"$log" &
app=$!
heard() { [ -s "$HOME/heard.pcm" ]; }
within heard || fail "a song named at the first start was not heard"
within player || fail "the player did not show the song named at the first start"
within shows || fail "no command box after a first start with a song"

echo "command box shows at $geometry, stores TM128, sends a Baidu query, starts an application from xte+Tab, answers Alt+R (also with NumLock), takes a second start's file; the lyrics window snaps to the player and travels with it; a held Alt+R is told and --toggle still works; a song named at the first start is heard"
