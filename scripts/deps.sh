#!/bin/sh
# Installs the Debian packages Mirato needs, only those that are missing.
#   scripts/deps.sh build   - to build the program and run it
#   scripts/deps.sh test    - to build and run the tests as well
#   scripts/deps.sh fuzz    - the tests' packages and clang (libFuzzer) for make fuzz
# Uses sudo when not run as root.
set -eu

# dpkg-dev derives the package's dependencies from its binaries (make package).
build_packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    libfontconfig-dev libmpv-dev libfluidsynth-dev timgm6mb-soundfont libuchardet-dev dpkg-dev
    libwayland-dev wayland-protocols libqalculate-dev"
# A display for machines without one, a window manager for it, screenshots and CJK glyphs.
# xdg-utils opens files and addresses with the desktop's handlers; desktop-file-utils refreshes
# the handler cache after the file types change.
run_packages="xvfb openbox imagemagick x11-utils xdotool fonts-wqy-microhei dbus-bin xdg-utils
    desktop-file-utils"
# lame encodes the MP3 of the tag test; lintian, man-db and appstream check the package, its
# manual page and its AppStream file; dbus-daemon has dbus-run-session, which gives every test
# a private session bus.
test_packages="libgtest-dev libgmock-dev lame lintian man-db appstream dbus-daemon"
# The playback benchmark compares against the mpv command line on an MP3 it encodes.
bench_packages="mpv lame libxcb-damage0-dev xvfb xdotool dbus-daemon"

case "${1:-build}" in
    build) wanted="$build_packages $run_packages" ;;
    test) wanted="$build_packages $run_packages $test_packages" ;;
    bench) wanted="$build_packages $run_packages $bench_packages" ;;
    fuzz) wanted="$build_packages $run_packages $test_packages clang" ;;
    *) echo "usage: $0 [build|test|bench|fuzz]" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "Mirato needs these Debian packages:$missing" >&2
    echo "Install them as root (apt-get install$missing) and run this again." >&2
    exit 1
fi

echo "Installing Debian packages:$missing"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
