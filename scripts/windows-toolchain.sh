#!/bin/sh
# Builds, once, the libraries the Windows build of Mirato needs, for 64-bit Windows, from
# Debian's own source packages and Debian's mingw-w64 cross compiler:
#   qt        qtbase (Core, Gui, Widgets, Network with schannel, Test) from qt6-base
#   gtest     GoogleTest and GoogleMock from /usr/src/googletest
#   uchardet  from the uchardet source package
#   media     libmpv and what it needs (FFmpeg for the formats Mirato plays, libass with
#             FreeType, FriBidi and HarfBuzz) from their source packages
#   calc      libqalculate (definitions compiled in) on GMP, MPFR and libxml2
#   lame      the MP3 encoder's program, for the tests only (they make their MP3s with it)
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
    qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev pkg-config meson python3
    libz-mingw-w64-dev m4 autoconf automake libtool intltool autopoint gettext"

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

# The newest version of a source package whose files the mirror serves (a security update's
# files may be missing from it while its index names them); its files are kept under
# $cache/sources, so they are fetched once.
fetched_version() {
    for version in $(apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -Vru); do
        folder=$cache/sources/$1_$version
        if [ ! -f "$folder/.fetched" ]; then
            $sudo mkdir -p "$folder"
            [ -z "$sudo" ] || $sudo chown "$(id -u):$(id -g)" "$folder"
            (cd "$folder" && apt-get source -qq --download-only --only-source "$1=$version") \
                >/dev/null 2>&1 || continue
            touch "$folder/.fetched"
        fi
        echo "$version"
        return 0
    done
    echo "No source of $1 can be fetched" >&2
    return 1
}

# Unpacks a fetched source package (patches applied) into $work and prints its folder.
unpack_fetched() {
    name=$1 work=$2
    version=$(fetched_version "$name")
    mkdir -p "$work"
    dpkg-source -x "$cache/sources/${name}_$version/${name}_${version#*:}.dsc" \
        "$work/$name" >/dev/null
    echo "$work/$name"
}

compiler_version() {
    x86_64-w64-mingw32-g++-posix -dumpfullversion
}

key_of() {
    printf '%s\n' "$@" | cat - "$toolchain" | sha256sum | cut -c1-12
}

# The text of a build function and of the helpers it calls: part of what made a prefix.
steps_of() {
    for function in "$1" public_requirements; do
        sed -n "/^$function()/,/^}/p" "$repo/scripts/windows-toolchain.sh"
    done
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

# The media libraries: the sources, and the options each is built with. FFmpeg keeps only what
# Mirato plays (MP3, AAC, Vorbis, Opus, FLAC, WMA, WAV and the like, from files and from HTTP,
# HTTPS over schannel and MMS streams); libass and its font libraries are linked into libmpv.
# mpv's own command-line player is built too, not shipped: the benchmark compares with it.
media_sources="freetype fribidi harfbuzz libass ffmpeg mpv"
ffmpeg_options="--disable-everything --disable-autodetect --disable-programs --disable-doc
    --disable-debug --disable-x86asm --disable-avdevice --disable-postproc --enable-network
    --enable-schannel --enable-zlib
    --enable-decoder=mp3,mp3float,mp2,mp2float,mp1,aac,aac_latm,vorbis,opus,flac,alac,wmav1
    --enable-decoder=wmav2,wmapro,wmalossless,ape,pcm_s16le,pcm_s16be,pcm_s24le,pcm_s24be
    --enable-decoder=pcm_s32le,pcm_f32le,pcm_f64le,pcm_u8,pcm_alaw,pcm_mulaw,adpcm_ms
    --enable-decoder=adpcm_ima_wav,gsm_ms
    --enable-demuxer=mp3,aac,ogg,flac,wav,w64,aiff,asf,mov,matroska,ape,mpc,mpc8
    --enable-parser=mpegaudio,aac,aac_latm,vorbis,opus,flac
    --enable-protocol=file,http,https,tcp,tls,mmsh,mmst,data
    --enable-filter=aresample,aformat,anull,abuffer,abuffersink,format,null,buffer,buffersink
    --enable-filter=volume,scale"
mpv_options="-Dlibmpv=true -Dcplayer=true -Dtests=false -Dbuild-date=false -Dlua=disabled
    -Djavascript=disabled -Dlibarchive=disabled -Dlcms2=disabled -Duchardet=disabled
    -Drubberband=disabled -Dzimg=disabled -Dlibbluray=disabled -Ddvdnav=disabled -Dcdda=disabled
    -Dlibavdevice=disabled -Dvapoursynth=disabled -Dsdl2=disabled -Dopenal=disabled
    -Djpeg=disabled -Dlibplacebo=disabled -Dshaderc=disabled -Dspirv-cross=disabled
    -Dvulkan=disabled -Dgl=disabled -Dd3d11=disabled -Ddirect3d=disabled -Degl-angle=disabled
    -Dcaca=disabled -Dsixel=disabled -Dd3d-hwaccel=disabled -Dd3d9-hwaccel=disabled
    -Dgl-dxinterop=disabled -Dcuda-hwaccel=disabled -Dcuda-interop=disabled -Diconv=disabled
    -Dwin32-internal-pthreads=disabled -Dwasapi=enabled -Dhtml-build=disabled
    -Dmanpage-build=disabled -Dpdf-build=disabled"
meson_cross=$repo/cmake/windows-x86_64.meson

# The pkg-config files of static libraries that go into a DLL name what they need in turn as
# needed by any user, not only by a static one.
public_requirements() {
    for pc in "$1"/lib/pkgconfig/*.pc; do
        awk '/^Libs.private:/ { libs = libs " " substr($0, 15); next }
             /^Requires.private:/ { requires = requires " " substr($0, 19); next }
             /^Requires:/ { requires = requires " " substr($0, 10); next }
             { lines[++n] = $0 }
             END { for (i = 1; i <= n; i++) {
                       if (lines[i] ~ /^Libs:/) print "Requires:" requires
                       print lines[i] (lines[i] ~ /^Libs:/ ? libs : "") } }' "$pc" >"$pc.new"
        mv "$pc.new" "$pc"
    done
}

media_key() {
    versions=""
    for name in $media_sources; do versions="$versions $name=$(fetched_version "$name")"; done
    # The steps themselves are part of what made it.
    key_of media "$versions" "$(compiler_version)" "$ffmpeg_options" "$mpv_options" \
        "$(cat "$meson_cross")" "$(steps_of build_media)"
}

build_media() {
    prefix=$1 work=$2
    # Only the libraries built here and mingw's own are seen by pkg-config.
    export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig"
    export PKG_CONFIG_PATH=""
    static="-Ddefault_library=static --buildtype=release --prefix=$prefix --libdir=lib"
    host=x86_64-w64-mingw32

    src=$(unpack_fetched freetype "$work")
    cmake -S "$src" -B "$work/freetype-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
        -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
        -DFT_DISABLE_BROTLI=ON -DFT_REQUIRE_ZLIB=ON
    cmake --build "$work/freetype-build" --parallel "$jobs"
    cmake --install "$work/freetype-build"

    src=$(unpack_fetched fribidi "$work")
    # shellcheck disable=SC2086
    meson setup "$work/fribidi-build" "$src" --cross-file "$meson_cross" $static -Ddocs=false
    ninja -C "$work/fribidi-build" -j "$jobs" install

    src=$(unpack_fetched harfbuzz "$work")
    # shellcheck disable=SC2086
    meson setup "$work/harfbuzz-build" "$src" --cross-file "$meson_cross" $static \
        -Dfreetype=enabled -Dglib=disabled -Dgobject=disabled -Dcairo=disabled \
        -Dchafa=disabled -Dicu=disabled -Dgraphite=disabled -Dtests=disabled \
        -Ddocs=disabled -Dintrospection=disabled -Dbenchmark=disabled
    ninja -C "$work/harfbuzz-build" -j "$jobs" install

    src=$(unpack_fetched libass "$work")
    (cd "$src" && [ -x configure ] || autoreconf -fi)
    mkdir -p "$work/libass-build"
    # FriBidi's headers import from a DLL unless told the library is static.
    (cd "$work/libass-build" && "$src/configure" --host=$host --prefix="$prefix" \
        --disable-shared --enable-static --disable-asm --disable-fontconfig \
        --disable-require-system-font-provider CC=$host-gcc-posix CXX=$host-g++-posix \
        CPPFLAGS=-DFRIBIDI_LIB_STATIC && make -j "$jobs" && make install)
    # These static libraries go into libmpv.
    public_requirements "$prefix"

    src=$(unpack_fetched ffmpeg "$work")
    mkdir -p "$work/ffmpeg-build"
    # shellcheck disable=SC2086
    (cd "$work/ffmpeg-build" && "$src/configure" --prefix="$prefix" --target-os=mingw32 \
        --arch=x86_64 --enable-cross-compile --cross-prefix=$host- --cc=$host-gcc-posix \
        --cxx=$host-g++-posix --pkg-config=pkg-config --enable-shared --disable-static \
        $ffmpeg_options && make -j "$jobs" && make install)

    src=$(unpack_fetched mpv "$work")
    # shellcheck disable=SC2086
    meson setup "$work/mpv-build" "$src" --cross-file "$meson_cross" --buildtype=release \
        --prefix="$prefix" --libdir=lib -Ddefault_library=shared $mpv_options
    ninja -C "$work/mpv-build" -j "$jobs" install
}

# The calculator: libqalculate with its definitions compiled in (no data folder to install),
# on GMP, MPFR and libxml2, all static, so that the calculator plug-in is one DLL. Nothing in
# it reaches outside: no network (exchange rates), no commands, no plotting program.
calc_sources="gmp mpfr4 libxml2 libqalculate"

calc_key() {
    versions=""
    for name in $calc_sources; do versions="$versions $name=$(fetched_version "$name")"; done
    key_of calc "$versions" "$(compiler_version)" "$(steps_of build_calc)"
}

build_calc() {
    prefix=$1 work=$2
    export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"
    export PKG_CONFIG_PATH=""
    host=x86_64-w64-mingw32
    static="--host=$host --prefix=$prefix --enable-static --disable-shared CC=$host-gcc-posix
        CXX=$host-g++-posix CFLAGS=-O2 CXXFLAGS=-O2"

    # Debian's patches change GMP's and libxml2's autotools inputs: their scripts are made anew.
    src=$(unpack_fetched gmp "$work")
    (cd "$src" && autoreconf -fi)
    mkdir -p "$work/gmp-build"
    # shellcheck disable=SC2086
    (cd "$work/gmp-build" && "$src/configure" $static && make -j "$jobs" && make install)

    src=$(unpack_fetched mpfr4 "$work")
    mkdir -p "$work/mpfr-build"
    # shellcheck disable=SC2086
    (cd "$work/mpfr-build" && "$src/configure" $static --with-gmp="$prefix" &&
        make -j "$jobs" && make install)

    # Only the parser and the tree: the definitions are UTF-8 text in memory.
    src=$(unpack_fetched libxml2 "$work")
    (cd "$src" && autoreconf -fi)
    mkdir -p "$work/libxml2-build"
    # shellcheck disable=SC2086
    (cd "$work/libxml2-build" && "$src/configure" $static --without-python --without-lzma \
        --without-zlib --without-iconv --without-icu --without-http --without-ftp \
        --without-modules --without-debug --without-catalog --without-docbook \
        --without-schematron --without-legacy --without-readline --without-history &&
        make -j "$jobs" libxml2.la && make install-libLTLIBRARIES install-pkgconfigDATA &&
        make -C include install)

    src=$(unpack_fetched libqalculate "$work")
    (cd "$src" && NOCONFIGURE=1 ./autogen.sh)
    # mingw's header is spelled in lower case; the source names it as Windows' SDK does.
    mkdir -p "$work/include" "$work/libqalculate-build"
    echo '#include <versionhelpers.h>' >"$work/include/VersionHelpers.h"
    # shellcheck disable=SC2086
    (cd "$work/libqalculate-build" && "$src/configure" $static --enable-compiled-definitions \
        --disable-insecure --without-libcurl --without-icu --without-gnuplot-call \
        --disable-textport --disable-unittests --disable-nls CXX_FOR_BUILD=g++ \
        CPPFLAGS="-I$work/include -I$prefix/include" LDFLAGS="-L$prefix/lib" &&
        make -C po-defs && make -C data && make -C libqalculate -j "$jobs" &&
        make -C libqalculate install && make install-pkgconfigDATA)
    # A static link takes MPFR before the GMP it builds on.
    sed -i 's/-lgmp -lmpfr/-lmpfr -lgmp/' "$prefix/lib/pkgconfig/libqalculate.pc"
    public_requirements "$prefix"
}

# The tests make MP3s with lame: under Wine they need it built for Windows (not shipped).
lame_key() { key_of lame "$(fetched_version lame)" "$(compiler_version)" "$(steps_of build_lame)"; }

build_lame() {
    prefix=$1 work=$2
    host=x86_64-w64-mingw32
    src=$(unpack_fetched lame "$work")
    mkdir -p "$work/lame-build"
    (cd "$work/lame-build" && "$src/configure" --host=$host --prefix="$prefix" --disable-shared \
        --enable-static --disable-gtktest --disable-decoder CC=$host-gcc-posix CFLAGS=-O2 \
        LDFLAGS=-static && make -j "$jobs" && make -C frontend install)
}

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
        # Not in a tested context, so that the build stops at its first failing step.
        set +e
        (
            set -e
            "build_$name" "$prefix" "$work"
        ) >"$work.log" 2>&1
        built=$?
        set -e
        if [ "$built" -ne 0 ]; then
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
$sudo mkdir -p "$cache/work" "$cache/sources"
for name in gtest uchardet qt media calc lame; do
    if [ "${1:-}" = "--prefixes" ]; then
        echo "$cache/$name-$("${name}_key")"
    else
        component "$name"
    fi
done
