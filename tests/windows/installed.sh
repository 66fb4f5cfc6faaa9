#!/bin/sh
# The Windows program as a user gets it, under Wine: installed silently by its installer, the
# box shows, Alt+R hides the focused box and "mirato --toggle" shows it again, a typed web
# address reaches the browser Windows names, a second start hands its document over and ends,
# a calculation is answered, a song opened with it is heard (a PCM file), the player shows and
# the lyrics plug-in finds its lyrics at a stand-in of the service and keeps them beside it, an
# MP3 and a stream over HTTPS typed into the box are heard,
# AutoRun writes and removes the Run value, Exit stores the settings and goes, the uninstaller
# removes the program.
#   tests/windows/installed.sh BUILD_FOLDER WORK_FOLDER
# Runs inside scripts/test-windows.sh (DISPLAY, WINEPREFIX set).
set -u
build=$1
work=$2
. "$(dirname "$0")/../e2e/helpers.sh"
need wine xdotool xprop xclip lame openssl python3
log=$work/installed.log
: >"$log"

reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v {$1=""; $2=""; sub(/^ +/, ""); print}'; }
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirato'

wine "$build/mirato-3.0.0-setup.exe" /S >>"$log" 2>&1 || fail "the installer failed"
wineserver -w
local_appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
folder=$(winepath -u "$local_appdata\\Programs\\Mirato" 2>/dev/null)
[ -f "$folder/mirato.exe" ] || fail "nothing installed in $folder"
[ -f "$folder/Qt6Widgets.dll" ] && [ -f "$folder/platforms/qwindows.dll" ] ||
    fail "the installed program lacks Qt's DLLs"
[ "$(reg_value "$uninstall_key" DisplayName)" = "Mirato" ] || fail "no uninstaller listed"
[ -f "$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Mirato.lnk")" ] ||
    fail "no Start menu entry"
program="$folder/mirato.exe"

# Wine opens web addresses with the machine's xdg-open: a stand-in records them.
mkdir -p "$work/stand-ins"
cat >"$work/stand-ins/xdg-open" <<STANDIN
#!/bin/sh
echo "\$*" >>"$work/opened"
STANDIN
chmod +x "$work/stand-ins/xdg-open"
export PATH="$work/stand-ins:$PATH"

# The lyrics service is a stand-in on 127.0.0.1, started under Wine, which the installed
# plug-in asks; "Find lyrics online" is ticked. It knows the song below, two minutes long.
wine "$build/tests/windows/mirato-lyrics-stand-in.exe" "$(winepath -w "$work/port")" \
    "$(winepath -w "$work/requests.log")" 120 '[00:00.50]Hello' >>"$log" 2>&1 &
listening() { [ -s "$work/port" ]; }
WITHIN_SECONDS=30 within listening || fail "the lyrics service's stand-in did not start"
printf '[title]\r\nenglish=Lyrics Search\r\n\r\n[service]\r\nurl=http://127.0.0.1:%s\r\n' \
    "$(tr -d '\r\n' <"$work/port")" >"$folder/Plugin/ZuzAzedod/setting.ini"
printf '[Option]\r\nAutoLyrics=True\r\n' >"$(winepath -u 'C:\windows\Mirato.dat')"

# What the program plays goes into a file, as 16-bit stereo PCM.
MIRATO_AUDIO_OUTPUT="pcm:$(winepath -w "$work/heard.pcm")" wine "$program" >>"$log" 2>&1 &
app=$!
shows() { window=$(xdotool search --onlyvisible --name '^Mirato$' 2>/dev/null | head -n 1); [ -n "$window" ]; }
hidden() { [ -z "$(xdotool search --onlyvisible --name '^Mirato$' 2>/dev/null)" ]; }
WITHIN_SECONDS=30 within shows || fail "the box did not show"
import -window root "$work/box.png" 2>/dev/null || true

# A web address typed into the box goes to the browser.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool type --delay 20 'www.example.org'
xdotool key Return
WITHIN_SECONDS=15 within grep -q 'example.org' "$work/opened" 2>/dev/null ||
    fail "the web address did not reach the browser"

# A calculation typed into the box is answered by the calculator plug-in: Enter keeps the
# result in the field and hands it to the clipboard.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool type --delay 20 '2+3*4'
xdotool key Return
answered() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = 14 ]; }
WITHIN_SECONDS=20 within answered ||
    fail "2+3*4 was not answered 14: $(xclip -o -selection clipboard 2>&1)"

# Alt+R hides the focused box (Wine hands hot keys over only while one of its windows has the
# focus); --toggle shows it again.
within shows || fail "the box went away after Enter"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool key alt+r
WITHIN_SECONDS=10 within hidden || fail "Alt+R did not hide the box"
wine "$program" --toggle >>"$log" 2>&1 || fail "--toggle found no running instance"
WITHIN_SECONDS=10 within shows || fail "--toggle did not show the box"

# A second start hands its document over and ends.
wine "$program" 'C:\some folder\words.txt' >>"$log" 2>&1 || fail "a second start failed"
within shows || fail "the box went away at a second start"

# A song opened with the program plays: its samples reach the output, the player shows, and its
# lyrics are found online and kept beside it. Two minutes of silence, 8 kHz mono, as a WAV: the
# PCM output does not keep time, and the lyrics are asked for once the song's length is read,
# while it plays; the player window opens meanwhile, so a short song (five seconds were) could
# end before the program looked.
mkdir -p "$WINEPREFIX/drive_c/music"
silent_wav "$WINEPREFIX/drive_c/music/The Band - Song Title.wav" 8000 1 8 120
# Opened as a double click opens it: a second start hands it over.
wine "$program" 'C:\music\The Band - Song Title.wav' >>"$log" 2>&1 || fail "a start with a song failed"
heard() { [ -s "$work/heard.pcm" ]; }
WITHIN_SECONDS=20 within heard || fail "a song opened with the program was not heard"
player() { xdotool search --onlyvisible --name '^VizavIva$' >/dev/null 2>&1; }
WITHIN_SECONDS=10 within player || fail "the player did not show for the song"
kept() { grep -q 'Hello' "$WINEPREFIX/drive_c/music/The Band - Song Title.lrc" 2>/dev/null; }
WITHIN_SECONDS=20 within kept ||
    fail "the song's lyrics were not found online and kept: $(cat "$work/requests.log" 2>&1)"
import -window root "$work/player.png" 2>/dev/null || true
# An MP3 typed into the box plays: its samples are heard (the song before was silence), and
# the lyrics service is asked for its title as its tags give it. The PCM output does not keep
# time, so the song is long enough to be still playing when its tags are read.
square_wav "$work/tone.wav" 120
lame --quiet --tt 'Tag Title' --ta 'Tag Artist' "$work/tone.wav" "$WINEPREFIX/drive_c/music/track01.mp3"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool type --delay 20 'C:\music\track01.mp3'
xdotool key Return
tone() { [ "$(tr -d '\000' <"$work/heard.pcm" | head -c 4096 | wc -c)" -ge 4096 ]; }
WITHIN_SECONDS=20 within tone || fail "an MP3 typed into the box was not heard"
asked() { grep -q 'Tag%20Title' "$work/requests.log" 2>/dev/null; }
WITHIN_SECONDS=20 within asked ||
    fail "the MP3's title from its tags was not asked for: $(cat "$work/requests.log" 2>&1)"
# A stream over HTTPS typed into the box plays, through Windows' own TLS (schannel): served
# from this machine with a certificate of its own, which streams are not checked against.
# Shorter than the MP3 before, so that what is heard differs even where the output is opened
# afresh for it.
mkdir -p "$work/served"
square_wav "$work/short.wav" 3
lame --quiet "$work/short.wav" "$work/served/stream.mp3"
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 \
    -keyout "$work/key.pem" -out "$work/cert.pem" >>"$log" 2>&1
/usr/bin/python3 "$(dirname "$0")/https-stand-in.py" "$work/https-port" "$work/cert.pem" \
    "$work/key.pem" "$work/served" 2>"$work/https.log" &
server=$!
trap 'kill "$server" 2>/dev/null' EXIT
serving() { [ -s "$work/https-port" ]; }
WITHIN_SECONDS=10 within serving || fail "the HTTPS stand-in did not start"
# The MP3 before has been written out.
written() {
    size=$(stat -c %s "$work/heard.pcm")
    sleep 1
    [ "$(stat -c %s "$work/heard.pcm")" = "$size" ]
}
tries=0
until written; do
    tries=$((tries + 1))
    [ "$tries" -lt 60 ] || fail "the MP3 typed into the box went on for more than a minute"
done
before=$(stat -c %s "$work/heard.pcm")
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool type --delay 20 "https://127.0.0.1:$(cat "$work/https-port")/stream.mp3"
xdotool key Return
streamed() {
    grep -q 'GET /stream.mp3' "$work/https.log" && [ "$(stat -c %s "$work/heard.pcm")" != "$before" ]
}
WITHIN_SECONDS=20 within streamed ||
    fail "a stream over HTTPS was not heard: $(cat "$work/https.log" 2>&1)"

# The box comes above the player again for its menu.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"

# The tray menu, opened by a right click on the box (Wine shows no tray here), by its keys.
menu() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH - 20)) $((Y + HEIGHT - 8)) click 3
    sleep 1
    xdotool key "$@"
}
# Settings (the fourth item), then Start at login (its fourth); a message box says it is done.
autorun() {
    menu Down Down Down Down Right Down Down Down Return
    sleep 1
    xdotool key Return
}
autorun
WITHIN_SECONDS=10 within sh -c "wine reg query '$run_key' /v Mirato 2>/dev/null | grep -qi 'mirato.exe'" ||
    fail "AutoRun wrote no Run value"
case "$(reg_value "$run_key" Mirato)" in
    \"*\") ;;
    *) fail "the Run value is not a quoted path: $(reg_value "$run_key" Mirato)" ;;
esac
within shows || fail "the box went away after AutoRun"
autorun
WITHIN_SECONDS=10 within sh -c "[ -z \"\$(wine reg query '$run_key' /v Mirato 2>/dev/null | grep -i mirato)\" ]" ||
    fail "AutoRun did not remove the Run value"

# Exit (the last item) ends the program and stores what must survive.
within shows || fail "the box went away after AutoRun"
menu Up Return
ended() { ! kill -0 "$app" 2>/dev/null; }
WITHIN_SECONDS=15 within ended || fail "Exit did not end the program"
settings=$(winepath -u 'C:\windows\Mirato.dat')
grep -q '^MusicPath=Close' "$settings" && grep -q '^PlayerVolume=' "$settings" ||
    fail "Exit did not store the settings"

# The uninstaller takes the program, its entries and a start-at-login value with it.
wineserver -k
wine reg add "$run_key" /v Mirato /d "\"$(winepath -w "$program")\"" /f >>"$log" 2>&1
wine "$folder/uninstall.exe" /S >>"$log" 2>&1 || fail "the uninstaller failed"
gone() { [ ! -e "$folder/mirato.exe" ]; }
WITHIN_SECONDS=30 within gone || fail "the uninstaller left the program in $folder"
wineserver -w
[ -z "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the uninstaller is still listed"
[ -z "$(reg_value "$run_key" Mirato)" ] || fail "the uninstaller left the Run value"

echo "installed program: the installer, the box, a web address, a calculation, Alt+R, --toggle, a second start, a song opened with it and its lyrics found online, an MP3 and an HTTPS stream typed in, AutoRun, Exit and the uninstaller work"
