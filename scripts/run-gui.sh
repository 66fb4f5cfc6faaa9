#!/bin/sh
# Starts the built program. Without a display it brings up a virtual one (Xvfb with openbox),
# saves a screenshot to <build>/screenshot.png once the command box shows, and keeps running
# until Ctrl+C.
set -u
build=${1:-build}
program="$build/bin/mirato"
[ -x "$program" ] || { echo "No program at $program: build it first (make build)." >&2; exit 1; }

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

pids=""
cleanup() {
    trap - INT TERM EXIT
    # shellcheck disable=SC2086
    [ -n "$pids" ] && kill $pids 2>/dev/null
    wait 2>/dev/null
}
trap 'cleanup; exit 130' INT TERM
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients, so two
# starts close together never share (or half-share) one server.
displayfile="$build/display.txt"
: >"$displayfile"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$displayfile" \
    >"$build/xvfb.log" 2>&1 &
pids="$!"
tries=0
until [ -s "$displayfile" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$pids" 2>/dev/null; then
        echo "The virtual screen did not start; see $build/xvfb.log." >&2
        exit 1
    fi
    sleep 0.1
done
export DISPLAY=":$(cat "$displayfile")"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/mirato-runtime.XXXXXX")
    export XDG_RUNTIME_DIR
fi
screenshot="$build/screenshot.png"
echo "No display found, so Mirato runs on a virtual screen ($DISPLAY) and a screenshot goes to $screenshot; press Ctrl+C to stop."

openbox >"$build/openbox.log" 2>&1 &
pids="$pids $!"
# A window mapped while the window manager is still starting can stay unmapped: wait until it
# announces itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    [ "$tries" -gt 50 ] && break
    sleep 0.1
done

"$program" &
app=$!
pids="$app $pids"

tries=0
until xdotool search --onlyvisible --name '^Mirato$' >/dev/null 2>&1; do
    if ! kill -0 "$app" 2>/dev/null; then
        wait "$app"
        echo "Mirato stopped before its window showed (exit code $?)." >&2
        exit 1
    fi
    tries=$((tries + 1))
    if [ "$tries" -gt 150 ]; then
        echo "Mirato's window did not show within 15 seconds; it keeps running." >&2
        break
    fi
    sleep 0.1
done
sleep 0.5
if import -window root "$screenshot" 2>/dev/null; then
    echo "Screenshot saved to $screenshot."
fi
wait "$app"
code=$?
echo "Mirato ended (exit code $code)."
exit "$code"
