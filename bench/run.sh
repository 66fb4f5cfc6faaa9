#!/bin/sh
# Playback benchmarks (not part of the test suite): CPU per minute of MP3 against the mpv
# command line in the same run, and the time and memory to start playing from nothing.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh bench
[ -f build-bench/CMakeCache.txt ] || cmake -S . -B build-bench -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DMIRATO_BUILD_TESTS=OFF -DMIRATO_BUILD_BENCH=ON
cmake --build build-bench
bench=build-bench/bin/mirato-bench
work=$(mktemp -d)
chmod 700 "$work"
trap 'rm -rf "$work"' EXIT
"$bench" wav "$work/minute.wav" 60
lame --quiet -b 192 "$work/minute.wav" "$work/minute.mp3"
echo "== one minute of 192 kb/s MP3, decoded as fast as possible =="
"$bench" cpu "$work/minute.mp3"
export XDG_RUNTIME_DIR="$work"
for mode in cold warm; do
    echo "== engine + player window + start of playback ($mode), 11 fresh processes =="
    for run in 1 2 3 4 5 6 7 8 9 10 11; do "$bench" start "$work/minute.mp3" $mode; done |
        sort -t' ' -k2 -n | sed -n '6p' | sed 's/^/median: /'
done
echo "== lyric sync =="
"$bench" lyrics
