#!/bin/sh
# The real program in a Wayland session (WAYLAND_DISPLAY set, no compositor needed: its windows
# go to XWayland, here a private Xvfb) whose global-shortcuts portal is a stand-in on the
# private session bus answering as GNOME 48 does: its registry knows only installed desktop
# entries, so the program, run from its build folder, writes one of its own first; Alt+R is
# asked of the portal with its description, the answer's code 2 after ShortcutsChanged is no
# refusal, the desktop's activation shows and hides the box, and where the desktop refuses,
# the user is told once how to bind "mirato --toggle" (which keeps working).
# Skipped (exit 77) where Xvfb, xdotool or dbus-send is missing.
set -u
program=$1
standin=$2
. "$(dirname "$0")/helpers.sh"
need Xvfb xdotool dbus-send
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "no private session bus: test skipped"; exit 77; }

DISPLAY=$(free_display 170)
export DISPLAY
export WAYLAND_DISPLAY=wayland-stand-in
unset QT_QPA_PLATFORM  # the program must pick XWayland by itself
export windir="$HOME/windows"
export MIRATO_AUDIO_OUTPUT=null
# No installed entry of the program's: the system's data folders are an empty one.
export XDG_DATA_DIRS="$HOME/system-data"
mkdir -p "$windir" "$XDG_DATA_DIRS"
log="$HOME/portal.log"

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=""
portal=""
trap 'kill $app $portal $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
within xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"

"$standin" "$log" --gnome48 &
portal=$!
ready() { grep -q '^ready$' "$log" 2>/dev/null; }
within ready || fail "the stand-in portal did not start"

printf '[Option]\nLanguage=3\nOneRun=1\n' >"$windir/Mirato.dat"
"$program" &
app=$!
shows() { xdotool search --onlyvisible --name '^Mirato$' >/dev/null 2>&1; }
hidden() { ! shows; }
within shows || fail "no command box on XWayland within 5 s"
bound() { grep -q '^BindShortcuts' "$log"; }
within bound || fail "the portal was never asked for the shortcut: $(cat "$log")"
grep -qx 'Register org.mirato.Mirato' "$log" ||
    fail "the program did not register its id: $(grep Register "$log")"
entry="$XDG_DATA_HOME/applications/org.mirato.Mirato.desktop"
grep -q "^TryExec=$program\$" "$entry" || fail "no desktop entry names the program: $(cat "$entry")"
grep -qx 'BindShortcuts toggle-box Show or hide the Mirato box ALT+r' "$log" ||
    fail "unexpected binding: $(grep BindShortcuts "$log")"

activate() {
    dbus-send --session --type=method_call --dest=org.freedesktop.portal.Desktop \
        /org/freedesktop/portal/desktop org.mirato.StandIn.Activate
}
activate
within hidden || fail "the desktop's shortcut did not hide the box"
activate
within shows || fail "the desktop's shortcut did not show the box again"
"$program" --toggle
within hidden || fail "--toggle did not hide the box"
"$program" --toggle
within shows || fail "--toggle did not show the box"
grep -q '^ToggleKeyHint' "$windir/Mirato.dat" && fail "a bound shortcut still told the user"

# A desktop that refuses: told once, and --toggle still works.
"$program" --toggle  # hidden
kill "$app"; wait "$app" 2>/dev/null
kill "$portal"; wait "$portal" 2>/dev/null
: >"$log"
"$standin" "$log" --refuse &
portal=$!
within ready || fail "the stand-in portal did not start again"
"$program" &
app=$!
told() { grep -q '^ToggleKeyHint=1' "$windir/Mirato.dat"; }
within told || fail "a refused binding was not told: $(cat "$log")"
within shows || fail "no command box after the restart"
"$program" --toggle
within hidden || fail "--toggle did not hide the box after a refused binding"

echo "Wayland session (GNOME 48 answers): a desktop entry of the program's own, Alt+R asked of the portal as toggle-box (ALT+r) after registering org.mirato.Mirato, bound although answered 2; the desktop's activation and --toggle hide and show the box; a refusal is told once"
