#!/bin/sh
# The Windows program under Wine on a virtual screen: from starting it with a song to the song's
# first sound, beside mpv's own command-line player built from the same libraries (the Windows
# toolchain's), both writing 16-bit stereo PCM at 44.1 kHz into a file; taken in turns, median
# of 7 each. Wine's own start is in both. Needs `make windows` first.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh bench
[ -f build-bench/CMakeCache.txt ] || cmake -S . -B build-bench -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRATO_BUILD_TESTS=OFF -DMIRATO_BUILD_BENCH=ON
cmake --build build-bench --target mirato-firstsound mirato-bench >/dev/null
media=$(scripts/windows-toolchain.sh --prefixes | grep '/media-')
[ -x build-windows/Mirato/mirato.exe ] || { echo "make windows first" >&2; exit 1; }
[ -f "$media/bin/mpv.exe" ] || { echo "no mpv.exe in $media" >&2; exit 1; }

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
number=180
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.1; done
openbox >/dev/null 2>&1 &
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
# A program that crashes ends instead of waiting in Wine's debugger.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f \
    >/dev/null 2>&1
wineserver -w
# The server stays up between the starts, as it does on a desktop where Wine runs.
wineserver -p

cp -a build-windows/Mirato "$work/"
cp "$media/bin/mpv.exe" "$work/Mirato/"
build-bench/bin/mirato-bench wav "$work/minute.wav" 60
lame --quiet -b 192 "$work/minute.wav" "$work/song.mp3"
song=$(winepath -w "$work/song.mp3")
ended() {
    wine taskkill /f /im "$1" >/dev/null 2>&1 || true
    sleep 1
}
for run in 1 2 3 4 5 6 7; do
    echo "mpv $(build-bench/bin/mirato-firstsound "$work/mpv.pcm" wine "$work/Mirato/mpv.exe" \
        --no-config --no-terminal --no-video --ao=pcm \
        --ao-pcm-file="$(winepath -w "$work/mpv.pcm")" --no-ao-pcm-waveheader \
        --audio-format=s16 --audio-samplerate=44100 --audio-channels=stereo "$song")"
    ended mpv.exe
    echo "mirato $(MIRATO_AUDIO_OUTPUT="pcm:$(winepath -w "$work/mirato.pcm")" \
        build-bench/bin/mirato-firstsound "$work/mirato.pcm" wine "$work/Mirato/mirato.exe" "$song")"
    ended mirato.exe
done >"$work/sounds"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mpv=$(awk '$1 == "mpv" {print $2}' "$work/sounds" | median)
mirato=$(awk '$1 == "mirato" {print $2}' "$work/sounds" | median)
echo "mirato.exe song.mp3 to the first sound: $mirato ms against $mpv ms for mpv.exe" \
    "($(awk -v a="$mirato" -v b="$mpv" 'BEGIN {printf "%.2f", a / b}')x)"
