#!/bin/sh
# The real program and the real lyrics plug-in against a stand-in of the lyrics service on
# 127.0.0.1: with "Find lyrics online" ticked, a song without lyrics, named "Artist - Title",
# gets its lyrics by itself (kept beside it, shown in step); unticked, not one request leaves.
# The program runs from a copy of the build's program folder, whose plug-in names the stand-in.
# Skipped (exit 77) where Xvfb is missing.
set -u
bin=$1
standin=$2
. "$(dirname "$0")/helpers.sh"
need Xvfb

DISPLAY=$(free_display 180)
export DISPLAY
export windir="$HOME/windows"
export MIRATO_AUDIO_OUTPUT=null
mkdir -p "$windir" "$HOME/music"
cp -a "$bin" "$HOME/program"

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=""
service=""
trap 'kill $app $service $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
within xdotool getdisplaygeometry >/dev/null 2>&1 || within xdpyinfo >/dev/null 2>&1 ||
    sleep 1

"$standin" "$HOME/port" "$HOME/requests.log" 5 '[00:00.50]Hello
[00:01.50]World' &
service=$!
listening() { [ -s "$HOME/port" ]; }
within listening || fail "the stand-in did not start"
printf '[title]\nenglish=Lyrics Search\n\n[service]\nurl=http://127.0.0.1:%s\n' "$(cat "$HOME/port")" \
    >"$HOME/program/Plugin/ZuzAzedod/setting.ini"

# Five seconds of silence, 8 kHz mono: a WAV written byte by byte.
wav() {
    bytes=40000
    {
        printf 'RIFF'; printf "\\$(printf %03o $(((bytes + 36) & 255)))\\$(printf %03o $(((bytes + 36) >> 8 & 255)))\\000\\000"
        printf 'WAVEfmt \020\000\000\000\001\000\001\000\100\037\000\000\100\037\000\000\001\000\010\000'
        printf 'data'; printf "\\$(printf %03o $((bytes & 255)))\\$(printf %03o $((bytes >> 8 & 255)))\\000\\000"
        head -c "$bytes" /dev/zero | tr '\000' '\200'
    } >"$1"
}

song="$HOME/music/The Band - Song Title.wav"
wav "$song"
printf '[Option]\nAutoLyrics=True\n' >"$windir/Mirato.dat"
"$HOME/program/mirato" "$song" 2>"$HOME/program.log" &
app=$!
kept() { grep -q 'Hello' "$HOME/music/The Band - Song Title.lrc" 2>/dev/null; }
WITHIN_SECONDS=10 within kept || fail "the lyrics were not found and kept: $(cat "$HOME/requests.log" 2>&1)"
shown() { grep -qE '^LRC=(Hello|World)$' "$windir/Mirato.dat"; }
WITHIN_SECONDS=10 within shown || fail "the found lyrics were not shown: $(grep '^LRC' "$windir/Mirato.dat")"
grep -q '^/api/get?' "$HOME/requests.log" || fail "the exact look-up was not tried first"
grep -q '^/api/search?' "$HOME/requests.log" || fail "the search was not tried"

# Unticked, another song sends nothing.
kill "$app"
wait "$app" 2>/dev/null
app=""
sed -i 's/^AutoLyrics=True$/AutoLyrics=False/' "$windir/Mirato.dat"
requests=$(wc -l <"$HOME/requests.log")
other="$HOME/music/The Band - Other Song.wav"
wav "$other"
"$HOME/program/mirato" "$other" 2>>"$HOME/program.log" &
app=$!
sleep 3
[ "$(wc -l <"$HOME/requests.log")" -eq "$requests" ] || fail "a request left while unticked"
[ -e "$HOME/music/The Band - Other Song.lrc" ] && fail "lyrics appeared while unticked"
kill -0 "$app" 2>/dev/null || fail "the program ended"
echo "auto lyrics: found, kept, shown; nothing sent while unticked"
