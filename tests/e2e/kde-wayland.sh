#!/bin/sh
# The real program on a real Wayland desktop, run headless: KWin with XWayland, the desktop
# portal and its KDE backend on a session bus of their own. The box shows on XWayland, the
# portal binds its shortcut under the application id (given the way the desktop's launcher
# gives it: a systemd-style app scope), invoking that shortcut through KDE's shortcut service
# hides and shows the box, --toggle does too, a dragged box stores its position, and power
# saving takes the idle time from KWin's idle notifications (ext-idle-notify-v1), not from
# org.freedesktop.ScreenSaver, which KDE Plasma 5.27 answers with "not supported" on Wayland.
# KWin's windows runner answers in the list under the box, and Enter on its row raises the
# window.
# Skipped (exit 77) where the desktop packages are missing or no cgroup can be made for the
# scope: it is an optional test, not a dependency of the suite (see README).
set -u
program=$1
. "$(dirname "$0")/helpers.sh"
need kwin_wayland Xwayland xdotool dbus-run-session dbus-send dbus-monitor xmessage
portal=/usr/libexec/xdg-desktop-portal
[ -x "$portal" ] && [ -f /usr/share/xdg-desktop-portal/portals/kde.portal ] ||
    { echo "xdg-desktop-portal-kde is missing: KDE Wayland test skipped"; exit 77; }
cgroups=""
for root in /sys/fs/cgroup/unified /sys/fs/cgroup/systemd /sys/fs/cgroup; do
    [ -w "$root" ] && [ -f "$root/cgroup.procs" ] && cgroups="$cgroups $root"
done
[ -n "$cgroups" ] || { echo "no writable cgroup for an app scope: KDE Wayland test skipped"; exit 77; }

# Before the bus: the portal that KWin has the bus start (Plasma 6) takes the bus's own
# environment, and without the desktop's name it picks no KDE backend.
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland
if [ -z "${MIRATO_KDE_INNER:-}" ]; then
    # A bus of the desktop's own kind (it starts the portal's backend on demand).
    MIRATO_KDE_INNER=1 exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
scope="user.slice/user-$(id -u).slice/user@$(id -u).service/app.slice/app-org.mirato.Mirato-$$.scope"
kwin="" app="" monitor="" daemon=""
# The services the bus started on demand outlive it unless they are ended too.
activated() {
    for name in org.freedesktop.impl.portal.desktop.kde org.freedesktop.portal.Documents \
        org.freedesktop.impl.portal.PermissionStore; do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null |
            sed -n 's/.*uint32 //p'
    done
}
cleanup() {
    # The program first: ending, it lets go of its shortcut through the portal, and a portal
    # already gone would be started again on the bus (and mount its documents folder anew).
    [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    kill $(activated) $monitor $daemon $kwin 2>/dev/null
    command -v fusermount >/dev/null 2>&1 && fusermount -u "$XDG_RUNTIME_DIR/doc" 2>/dev/null
    wait 2>/dev/null
    for root in $cgroups; do rmdir "$root/$scope" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; echo "--- program"; tail -20 "$work/app.log"; exit 1; }
WITHIN_SECONDS=10

export windir="$HOME/windows" MIRATO_AUDIO_OUTPUT=null
mkdir -p "$windir"
printf '[Option]\nLanguage=3\nOneRun=1\n' >"$windir/Mirato.dat"

# KWin's XWayland wants the X11 socket folder, which nothing has made where no X server ran.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
# The installed kwin_wayland carries file capabilities that a container refuses to run.
cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
before=$(ls /tmp/.X11-unix 2>/dev/null)
QT_QPA_PLATFORM=offscreen "$work/kwin_wayland" --virtual --xwayland --socket "mirato-$$" \
    >"$work/kwin.log" 2>&1 &
kwin=$!
xwayland() {
    for socket in $(ls /tmp/.X11-unix 2>/dev/null); do
        echo "$before" | grep -qx "$socket" || { display=":${socket#X}"; return 0; }
    done
    return 1
}
within xwayland || fail "KWin started no XWayland"
export DISPLAY="$display" WAYLAND_DISPLAY="mirato-$$"
within xdotool getdisplaygeometry >/dev/null 2>&1 || fail "XWayland does not answer"
dbus-update-activation-environment DISPLAY WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE
"$portal" >"$work/portal.log" 2>&1 &
daemon=$!
dbus-monitor --session "member=GetSessionIdleTime" >"$work/idle.log" 2>&1 &
monitor=$!

for root in $cgroups; do mkdir -p "$root/$scope"; done
sh -c 'for root in $1; do echo $$ >"$root/$2/cgroup.procs"; done; shift 2; exec "$@"' \
    scope "$cgroups" "$scope" env -u QT_QPA_PLATFORM QT_LOGGING_RULES='mirato.*.debug=true' \
    "$program" >"$work/app.log" 2>&1 &
app=$!
shows() { xdotool search --onlyvisible --name '^Mirato$' >/dev/null 2>&1; }
hidden() { ! shows; }
within shows || fail "no command box on XWayland"

component() {
    path=$(dbus-send --session --print-reply --dest=org.kde.kglobalaccel /kglobalaccel \
        org.kde.KGlobalAccel.allComponents 2>/dev/null | grep -o '/component/org_mirato_Mirato[^"]*')
    [ -n "$path" ]
}
within component || fail "KDE's shortcut service never got Mirato's shortcut"
invoke() {
    dbus-send --session --print-reply --dest=org.kde.kglobalaccel "$path" \
        org.kde.kglobalaccel.Component.invokeShortcut string:toggle-box >/dev/null
}
invoke
within hidden || fail "the desktop's shortcut did not hide the box"
invoke
within shows || fail "the desktop's shortcut did not show the box again"
"$program" --toggle
within hidden || fail "--toggle did not hide the box"
"$program" --toggle
within shows || fail "--toggle did not show the box"

window=$(xdotool search --onlyvisible --name '^Mirato$' | head -1)
xdotool mousemove --window "$window" 170 8 mousedown 1 mousemove_relative 40 30 mouseup 1
stored() { grep -q '^wl.top=' "$windir/Mirato.dat"; }
within stored || fail "a dragged box did not store its position"

notified() { grep -q "idle time from the compositor's idle notifications" "$work/app.log"; }
within notified || fail "power saving does not take the idle time from KWin's notifications"
grep -q 'GetSessionIdleTime' "$work/idle.log" && fail "the session bus was asked for the idle time too"

# A window of another program; KWin's windows runner finds it by its title, Mirato shows the
# runner's answer, and Enter on that row has KWin raise the window.
[ -f /usr/share/krunner/dbusplugins/kwin-runner-windows.desktop ] ||
    fail "KWin installed no windows runner"
xmessage -name runnerfix -title "Runner Fixture" "a window to switch to" &
fixture=$!
fixtureWindow() { other=$(xdotool search --onlyvisible --name '^Runner Fixture$' 2>/dev/null | head -n 1); [ -n "$other" ]; }
within fixtureWindow || fail "the fixture window did not open"
focused() { xdotool windowactivate "$window" 2>/dev/null; [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
within focused || fail "the box never became the active window"
xdotool type --delay 40 "Runner Fixture"
answers() { xdotool search --onlyvisible --name '^Mirato answers$' >/dev/null 2>&1; }
within answers || fail "KWin's windows runner gave no answer to the list"
xdotool key Down Return
raised() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$other" ]; }
within raised || fail "Enter on the runner's row did not raise the window"
kill "$fixture"

echo "KDE Wayland: the box on XWayland, the shortcut bound in KDE under org.mirato.Mirato and toggling the box, --toggle, the position stored, the idle time from KWin's idle notifications, KWin's windows runner answering in the list and raising its window"
