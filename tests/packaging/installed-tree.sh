#!/bin/sh
# Installs the build into a scratch prefix and checks the tree the installed program and the
# desktop look for; the desktop entry and AppStream file pass their validators where installed.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for file in bin/mirato lib/mirato/program/libmirato-program.so lib/mirato/backends/libmirato-mpv.so lib/mirato/backends/libmirato-fluidsynth.so \
    lib/mirato/Plugin/ZuzAzedod/ZuzAzedod lib/mirato/Plugin/ZuzAzedod/setting.ini \
    share/mirato/skin/other/Help_ENG.txt share/mirato/skin/other/Help_CHS.txt \
    share/mirato/skin/other/Help_CHT.txt share/mirato/skin/other/run.ico \
    share/mirato/skin/Blue/Mirato.bmp share/mirato/skin/Purple/Xmove.bmp share/mirato/RunIco/Mid.ico \
    share/applications/org.mirato.Mirato.desktop \
    share/icons/hicolor/48x48/apps/mirato.png share/icons/hicolor/256x256/apps/mirato.png \
    share/metainfo/org.mirato.Mirato.metainfo.xml; do
    [ -e "$prefix/$file" ] || fail "missing $file"
done
[ "$("$prefix/bin/mirato" --version)" = "Mirato V3.0" ] || fail "--version"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$prefix/share/applications/org.mirato.Mirato.desktop" | grep -q error && fail "desktop entry"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.mirato.Mirato.metainfo.xml" >/dev/null ||
        fail "AppStream metainfo"
fi
echo "installed tree complete"
