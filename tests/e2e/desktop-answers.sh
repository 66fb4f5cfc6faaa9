#!/bin/sh
# The real program on a virtual screen with a window manager, among the desktop's other
# programs: a search provider and a runner (stand-ins on the private bus) answer what is typed,
# their rows join the list, and Enter on one hands it back to its program; typing the name of
# an application with windows open switches to them in turn, and Shift+Enter starts another
# copy. Skipped (exit 77) where Xvfb, openbox, xdotool or xmessage is missing.
set -u
program=$1
standIn=$2
. "$(dirname "$0")/helpers.sh"
need Xvfb openbox xdotool xmessage

DISPLAY=$(free_display 190)
export DISPLAY
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export windir="$HOME/windows"
export XDG_DATA_DIRS="$HOME/system-data"
mkdir -p "$windir" "$HOME/bin" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME" \
    "$XDG_DATA_HOME/gnome-shell/search-providers" "$XDG_DATA_HOME/krunner/dbusplugins"

# The desktop's search programs: a notes application's provider and a window runner.
printf '[Desktop Entry]\nType=Application\nName=Notes\nExec=true\n' \
    >"$XDG_DATA_HOME/applications/notes.desktop"
printf '[Shell Search Provider]\nDesktopId=notes.desktop\nBusName=org.mirato.e2e.Notes\nObjectPath=/notes\nVersion=2\n' \
    >"$XDG_DATA_HOME/gnome-shell/search-providers/notes.ini"
printf '[Desktop Entry]\nX-KDE-PluginInfo-Name=windows\nX-Plasma-DBusRunner-Service=org.mirato.e2e.Windows\nX-Plasma-DBusRunner-Path=/windows\n' \
    >"$XDG_DATA_HOME/krunner/dbusplugins/windows.desktop"
"$standIn" "$HOME/notes.log" provider org.mirato.e2e.Notes /notes 0 "Fire Notes" "Firefly" &
notes=$!
"$standIn" "$HOME/windows.log" runner org.mirato.e2e.Windows /windows 0 "Fire Window" &
runner=$!

# An installed application whose windows carry the class its entry names.
cat >"$HOME/bin/fixture-app" <<'SCRIPT'
#!/bin/sh
echo started >>"$HOME/fixture.log"
exec xmessage -name xtestfix "$@"
SCRIPT
chmod +x "$HOME/bin/fixture-app"
printf '[Desktop Entry]\nType=Application\nName=Xtest Fixture\nExec=%s copy\nStartupWMClass=xtestfix\n' \
    "$HOME/bin/fixture-app" >"$XDG_DATA_HOME/applications/xtest-fixture.desktop"

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=""
fixtures=""
trap 'kill $app $fixtures $notes $runner 2>/dev/null; kill $xvfb $wm 2>/dev/null; wait 2>/dev/null' EXIT
within xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"
# The window manager finds its themes where the system keeps them.
XDG_DATA_DIRS=/usr/local/share:/usr/share openbox >/dev/null 2>&1 &
wm=$!
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
within managed || fail "openbox did not start"
ready() { grep -q ready "$HOME/notes.log" 2>/dev/null && grep -q ready "$HOME/windows.log" 2>/dev/null; }
within ready || fail "the search stand-ins did not start"

# Two windows of the application, opened before the program starts.
xmessage -name xtestfix -geometry +600+100 one &
fixtures=$!
xmessage -name xtestfix -geometry +600+300 two &
fixtures="$fixtures $!"
both() { [ "$(xdotool search --classname '^xtestfix$' 2>/dev/null | wc -l)" -eq 2 ]; }
within both || fail "the application's windows did not open"

log="$HOME/program.log"
QT_LOGGING_RULES='mirato.*.debug=true' "$program" 2>"$log" &
app=$!
shows() { window=$(xdotool search --onlyvisible --name '^Mirato$' 2>/dev/null | head -n 1); [ -n "$window" ]; }
within shows || fail "no command box within 5 s"
catalogued() { grep -q ' applications$' "$log" 2>/dev/null; }
within catalogued || fail "the installed applications were never read"
# Typed into the box, once the window manager has made it the active window.
focused() { xdotool windowactivate "$window" 2>/dev/null; [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
within focused || fail "the box never became the active window"

# Their answers join the list under the box; the one chosen goes back to its program.
xdotool type --delay 30 "fire"
asked() { grep -qx 'GetResultMetas i1 i2' "$HOME/notes.log" && grep -qx 'Match fire' "$HOME/windows.log"; }
within asked || fail "the provider and the runner were not asked about fire: $(cat "$HOME/notes.log" "$HOME/windows.log")"
answers() { list=$(xdotool search --onlyvisible --name '^Mirato answers$' 2>/dev/null | head -n 1); [ -n "$list" ]; }
within answers || fail "no list of answers opened"
# The line's own row and the answers that came within the deadline (all three, unless the
# machine is very busy).
rows() { [ "$(xdotool getwindowgeometry "$list" | sed -n 's/.*Geometry: [0-9]*x//p')" -ge $((2 * 26)) ]; }
within rows || fail "the list shows no answer of theirs: $(xdotool getwindowgeometry "$list")"
[ -n "${SCREENSHOT:-}" ] && import -window root "$SCREENSHOT"
xdotool key Down Return
activated() { [ "$(grep -c -e '^ActivateResult' -e '^Run' "$HOME/notes.log" "$HOME/windows.log" | awk -F: '{s += $2} END {print s}')" -eq 1 ]; }
within activated || fail "Enter on an answer did not hand it back to its program"
grep -q -e '^ActivateResult i1 fire$' -e '^Run i1$' "$HOME/notes.log" "$HOME/windows.log" ||
    fail "not the first answer was handed back: $(cat "$HOME/notes.log" "$HOME/windows.log")"

# The application runs: its name switches to its windows, one and then the other.
active() { xdotool getactivewindow 2>/dev/null; }
switchTo() {
    within focused || fail "the box never became the active window again"
    xdotool type --delay 20 "Xtest Fixture"
    xdotool key "${1:-Return}"
}
switchTo
fixture() { xdotool search --classname '^xtestfix$' 2>/dev/null | grep -qx "$(active)"; }
within fixture || fail "Enter did not switch to the application's window"
first=$(active)
switchTo
other() { fixture && [ "$(active)" != "$first" ]; }
within other || fail "Enter again did not go on to the application's other window"
switchTo
back() { [ "$(active)" = "$first" ]; }
within back || fail "a third Enter did not come round to the first window"
[ -e "$HOME/fixture.log" ] && fail "a copy was started although the application runs"
switchTo shift+Return
started() { grep -q started "$HOME/fixture.log" 2>/dev/null; }
within started || fail "Shift+Enter did not start another copy"

kill -0 "$app" 2>/dev/null || fail "the program ended"
echo "a provider's and a runner's answers join the list and the chosen one goes back to its program; an application that runs is switched to, window after window, and Shift+Enter starts another"
