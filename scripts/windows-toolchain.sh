#!/bin/sh
# Builds, once, the libraries the Windows build of Mirato needs, for 64-bit Windows, from
# Debian's own source packages and Debian's mingw-w64 cross compiler:
#   qt        qtbase (Core, Gui, Widgets, Network with schannel, Test) from qt6-base
#   gtest     GoogleTest and GoogleMock from /usr/src/googletest
#   uchardet  from the uchardet source package
# Each lands in $MIRATO_WINDOWS_CACHE/<name>-<key> (/var/cache/mirato-windows by default),
# where the key is made of everything that made it: the source package's version, the
# compiler's version, the options and the toolchain file. A prefix whose key is unchanged is
# reused as it is; a change of any of them builds that library again beside the old one.
# The first build of qt takes about an hour on two cores; run it in the background.
#   scripts/windows-toolchain.sh            build what is missing, print the prefixes
#   scripts/windows-toolchain.sh --prefixes print the prefixes (nothing is built)
# Needs root (sudo when not root) for the packages and the source entry.
set -eu
cd "$(dirname "$0")/.."
repo=$(pwd)
cache=${MIRATO_WINDOWS_CACHE:-/var/cache/mirato-windows}
jobs=${MIRATO_WINDOWS_JOBS:-$(nproc)}
toolchain=$repo/cmake/windows-x86_64.cmake

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

packages="g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 cmake ninja-build dpkg-dev
    qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev pkg-config"

install_packages() {
    missing=""
    for package in $packages; do
        case "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)" in
            *" installed") ;;
            *) missing="$missing $package" ;;
        esac
    done
    [ -z "$missing" ] && return 0
    echo "Installing Debian packages:$missing" >&2
    # What apt says goes to stderr: stdout carries the prefixes.
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        $missing >&2
}

# apt-get source needs a deb-src entry; it names the mirror the machine already installs from.
add_source_entry() {
    apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version:' && return 0
    entry=/etc/apt/sources.list.d/mirato-deb-src.sources
    : >"$entry.new"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        grep -q '^URIs:.*/debian' "$file" || continue
        sed 's/^Types:.*/Types: deb-src/' "$file" >>"$entry.new"
        echo >>"$entry.new"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb[[:space:]]\+\(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list >"${entry%.sources}.list"
    fi
    $sudo mv "$entry.new" "$entry"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2
}

source_version() {
    apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -1
}

compiler_version() {
    x86_64-w64-mingw32-g++-posix -dumpfullversion
}

key_of() {
    printf '%s\n' "$@" | cat - "$toolchain" | sha256sum | cut -c1-12
}

# Unpacks a Debian source package (patches applied) into $work and prints its folder.
unpack_source() {
    name=$1 version=$2 work=$3
    mkdir -p "$work"
    (cd "$work" && apt-get source -qq --only-source "$name=$version" >/dev/null)
    find "$work" -mindepth 1 -maxdepth 1 -type d -name "$name-*" | head -1
}

qt_options="-release -shared -nomake examples -nomake tests -no-opengl -no-dbus -no-openssl
    -schannel -no-pkg-config -no-icu -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype
    -qt-harfbuzz -qt-doubleconversion -no-feature-sql -no-feature-concurrent -no-feature-xml
    -no-feature-printsupport -no-feature-vulkan -no-feature-direct2d -no-feature-directwrite3
    -no-feature-tabletevent"

qt_key() { key_of qt "$(source_version qt6-base)" "$(compiler_version)" "$qt_options"; }
gtest_key() {
    key_of gtest "$(dpkg-query -W -f='${Version}' libgtest-dev)" "$(compiler_version)"
}
uchardet_key() { key_of uchardet "$(source_version uchardet)" "$(compiler_version)"; }

build_qt() {
    prefix=$1 work=$2
    src=$(unpack_source qt6-base "$(source_version qt6-base)" "$work")
    mkdir -p "$work/build"
    cd "$work/build"
    # shellcheck disable=SC2086
    "$src/configure" -prefix "$prefix" -xplatform win32-g++ \
        -device-option CROSS_COMPILE=x86_64-w64-mingw32- -qt-host-path /usr $qt_options -- \
        -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    cmake --build . --parallel "$jobs"
    cmake --install .
}

build_gtest() {
    prefix=$1 work=$2
    cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF
    cmake --build "$work" --parallel "$jobs"
    cmake --install "$work"
}

build_uchardet() {
    prefix=$1 work=$2
    src=$(unpack_source uchardet "$(source_version uchardet)" "$work")
    cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
        -DBUILD_BINARY=OFF -DBUILD_STATIC=ON
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build"
}

# Builds one library unless its prefix is there; a prefix is complete only with its .ready,
# so a build that was stopped is made again from the start.
component() {
    name=$1
    prefix=$cache/$name-$("${name}_key")
    if [ ! -f "$prefix/.ready" ]; then
        work=$cache/work/$name
        $sudo rm -rf "$prefix" "$work"
        $sudo mkdir -p "$prefix" "$work"
        [ -z "$sudo" ] || $sudo chown "$(id -u):$(id -g)" "$prefix" "$work"
        started=$(date +%s)
        echo "Building $name for Windows into $prefix (log: $work.log)" >&2
        if ! ("build_$name" "$prefix" "$work") >"$work.log" 2>&1; then
            tail -30 "$work.log" >&2
            echo "Building $name for Windows failed; the whole log is $work.log" >&2
            exit 1
        fi
        touch "$prefix/.ready"
        rm -rf "$work"
        echo "$name built in $(($(date +%s) - started)) s" >&2
    fi
    echo "$prefix"
}

[ "${1:-}" = "--prefixes" ] || install_packages
[ "${1:-}" = "--prefixes" ] || add_source_entry
$sudo mkdir -p "$cache/work"
for name in gtest uchardet qt; do
    if [ "${1:-}" = "--prefixes" ]; then
        echo "$cache/$name-$("${name}_key")"
    else
        component "$name"
    fi
done
