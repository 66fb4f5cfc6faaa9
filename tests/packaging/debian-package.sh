#!/bin/sh
# Builds the Debian package and checks it as Debian's own tools do: lintian reports no error
# and no warning, the binaries are stripped with their symbols in mirato-dbgsym, and the manual
# page renders without warnings and has the summary `man -k mirato` lists.
# Skipped (exit 77) where cpack's Debian tools or lintian are missing.
set -u
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: package test skipped"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack: $(tail -5 "$out/cpack.log")"
deb=$(ls "$out"/mirato_*.deb 2>/dev/null)
[ -n "$deb" ] || fail "no package built"
ls "$out"/mirato-dbgsym_*.ddeb >/dev/null 2>&1 || fail "no debug symbol package"

report=$(lintian --no-tag-display-limit "$deb" 2>&1 | grep -E '^(E|W): ')
[ -z "$report" ] || fail "lintian:
$report"

dpkg-deb -x "$deb" "$out/root"
for binary in usr/bin/mirato usr/lib/mirato/program/libmirato-program.so usr/lib/mirato/backends/libmirato-mpv.so \
    usr/lib/mirato/backends/libmirato-fluidsynth.so; do
    readelf -S "$out/root/$binary" | grep -q '\.debug_info' && fail "$binary is not stripped"
done
dpkg-deb -f "$deb" Depends | grep -q 'libc6' || fail "dependencies not derived from the binaries"

page="$out/root/usr/share/man/man1/mirato.1.gz"
[ -f "$page" ] || fail "no manual page"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
if command -v lexgrog >/dev/null 2>&1; then
    lexgrog "$page" | grep -q 'mirato - quick-entry box' || fail "no summary for man -k"
fi
echo "package lintian-clean, stripped, with debug symbols apart and a manual page"
