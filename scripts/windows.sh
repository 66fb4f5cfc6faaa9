#!/bin/sh
# Builds Mirato for 64-bit Windows on Debian, with Debian's mingw-w64 and the libraries
# scripts/windows-toolchain.sh builds once from Debian's source packages, into build-windows/:
#   build-windows/bin/                            the program as built (tests run from here)
#   build-windows/Mirato/                         the portable program: bin/ and the DLLs
#   build-windows/mirato-3.0.0-windows-x64.zip    that folder, packed
#   build-windows/mirato-3.0.0-setup.exe          the installer (NSIS)
#   scripts/windows.sh            the program, the zip and the installer
#   scripts/windows.sh --tests    the same with the test suites built for Windows
set -eu
cd "$(dirname "$0")/.."
repo=$(pwd)
version=3.0.0
out=build-windows
tests=OFF
[ "${1:-}" = "--tests" ] && tests=ON

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
missing=""
for package in nsis zip; do
    case "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done
if [ -n "$missing" ]; then
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        $missing >/dev/null
fi

# The toolchain (an hour the first time, seconds once it is cached).
prefixes=$(scripts/windows-toolchain.sh)
qt=$(echo "$prefixes" | grep '/qt-')
uchardet=$(echo "$prefixes" | grep '/uchardet-')
media=$(echo "$prefixes" | grep '/media-')
calc=$(echo "$prefixes" | grep '/calc-')

# The artwork is drawn while building, by the tool built for this machine.
scripts/deps.sh build
if [ ! -f "$out/host/CMakeCache.txt" ]; then
    cmake -S . -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMIRATO_BUILD_TESTS=OFF \
        >/dev/null
fi
cmake --build "$out/host" --target mirato-artwork >/dev/null

# pkg-config sees only the libraries built for Windows.
export PKG_CONFIG_LIBDIR="$uchardet/lib/pkgconfig:$media/lib/pkgconfig:$calc/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig"
# A library of the toolchain built anew (its key changed) lives in a new prefix: what CMake
# found in the old ones goes with its cache.
if [ "$(cat "$out/prefixes" 2>/dev/null)" != "$prefixes" ]; then
    rm -f "$out/CMakeCache.txt"
fi
if [ ! -f "$out/CMakeCache.txt" ]; then
    cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/windows-x86_64.cmake" \
        -DMIRATO_WINDOWS_PREFIXES="$(echo "$prefixes" | tr '\n' ';')" \
        -DCMAKE_PREFIX_PATH="$(echo "$prefixes" | tr '\n' ';')" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DMIRATO_HOST_ARTWORK="$repo/$out/host/bin/mirato-artwork" -DMIRATO_BUILD_TESTS=$tests
else
    # A library added to the toolchain since is looked for in its prefix too.
    cmake "$out" -DMIRATO_BUILD_TESTS=$tests \
        -DMIRATO_WINDOWS_PREFIXES="$(echo "$prefixes" | tr '\n' ';')" \
        -DCMAKE_PREFIX_PATH="$(echo "$prefixes" | tr '\n' ';')" >/dev/null
fi
echo "$prefixes" >"$out/prefixes"
cmake --build "$out"
# libmpv and FFmpeg's libraries lie beside the program: Windows looks for what a plug-in needs
# in the program's folder, not in the plug-in's. Nothing loads them before a song plays.
cp "$media"/bin/*.dll "$out/bin/"

# The DLLs a mingw program needs beside it: the compiler's runtime, Qt's libraries and the
# plug-ins Qt loads (the Windows platform, its styles, TLS through the system's schannel).
runtime_dlls() {
    gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
    echo "$gcc_dir/libstdc++-6.dll" "$gcc_dir/libgcc_s_seh-1.dll"
    echo /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll
}
stage=$out/Mirato
rm -rf "$stage"
mkdir -p "$stage"
cp -a "$out/bin/." "$stage/"
# What only the tests use stays out.
rm -f "$stage/Qt6Test.dll" "$stage/platforms/qoffscreen.dll"
# Windows' file names ignore case: the ASX picture "M3u.ico" is the playlists' "m3u.ico" there.
if [ -f "$stage/RunIco/m3u.ico" ]; then rm -f "$stage/RunIco/M3u.ico"; fi
# shellcheck disable=SC2046
cp $(runtime_dlls) "$stage/"
for module in Core Gui Widgets Network; do
    cp "$qt/bin/Qt6$module.dll" "$stage/"
done
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll tls/qschannelbackend.dll; do
    if [ -f "$qt/plugins/$plugin" ]; then
        mkdir -p "$stage/$(dirname "$plugin")"
        cp "$qt/plugins/$plugin" "$stage/$plugin"
    fi
done
# Shipped without debugging symbols (Debian's libstdc++ DLL keeps them: 23 MB of its 25).
find "$stage" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# The tests' folder runs the same way as the portable one, and the unit suites draw offscreen.
cp -a "$stage"/*.dll "$out/bin/"
for folder in platforms styles tls; do
    if [ -d "$stage/$folder" ]; then cp -a "$stage/$folder" "$out/bin/"; fi
done
if [ "$tests" = ON ]; then
    cp "$qt/bin/Qt6Test.dll" "$out/bin/"
    cp "$qt/plugins/platforms/qoffscreen.dll" "$out/bin/platforms/"
    # The suites run from their own folder, with the same DLLs beside them.
    cp -a "$out/bin/"*.dll "$out/bin/platforms" "$out/tests/windows/"
fi

rm -f "$out/mirato-$version-windows-x64.zip"
(cd "$out" && zip -qr "mirato-$version-windows-x64.zip" Mirato)
makensis -V2 -DSTAGE="$repo/$stage" -DVERSION=$version \
    -DOUTFILE="$repo/$out/mirato-$version-setup.exe" packaging/windows/mirato.nsi
ls -l "$out/mirato-$version-windows-x64.zip" "$out/mirato-$version-setup.exe"
