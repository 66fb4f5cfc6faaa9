#!/bin/sh
# Runs one test program in a world of its own: private HOME, XDG folders and runtime folder,
# the offscreen Qt platform, and a private D-Bus session when dbus-run-session exists (so no
# daemon is autolaunched that outlives the test). That bus starts no installed service: a test
# talks only to the stand-ins it starts itself.
set -eu
scratch=$(mktemp -d "${TMPDIR:-/tmp}/mirato-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT INT TERM
mkdir -p "$scratch/home" "$scratch/runtime"
chmod 0700 "$scratch/runtime"
export HOME="$scratch/home"
export XDG_RUNTIME_DIR="$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/home/.config"
export XDG_DATA_HOME="$scratch/home/.local/share"
export XDG_CACHE_HOME="$scratch/home/.cache"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
unset windir DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
if command -v dbus-run-session >/dev/null 2>&1; then
    dbus-run-session --config-file="$(dirname "$0")/session-bus.conf" -- "$@"
else
    "$@"
fi
