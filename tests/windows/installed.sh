#!/bin/sh
# The Windows program as a user gets it, under Wine: installed silently by its installer, the
# box shows, Alt+R hides the focused box and "mirato --toggle" shows it again, a typed web
# address reaches the browser Windows names, a second start hands its document over and ends,
# AutoRun writes and removes the Run value, Exit stores the settings and goes, the uninstaller
# removes the program.
#   tests/windows/installed.sh BUILD_FOLDER WORK_FOLDER
# Runs inside scripts/test-windows.sh (DISPLAY, WINEPREFIX set).
set -u
build=$1
work=$2
. "$(dirname "$0")/../e2e/helpers.sh"
need wine xdotool xprop
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

wine "$program" >>"$log" 2>&1 &
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

# The uninstaller takes the program, its entries and a start-at-login value with it.
wineserver -k
wine reg add "$run_key" /v Mirato /d "\"$(winepath -w "$program")\"" /f >>"$log" 2>&1
wine "$folder/uninstall.exe" /S >>"$log" 2>&1 || fail "the uninstaller failed"
gone() { [ ! -e "$folder/mirato.exe" ]; }
WITHIN_SECONDS=30 within gone || fail "the uninstaller left the program in $folder"
wineserver -w
[ -z "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the uninstaller is still listed"
[ -z "$(reg_value "$run_key" Mirato)" ] || fail "the uninstaller left the Run value"

echo "installed program: the installer, the box, a web address, Alt+R, --toggle, a second start and the uninstaller work"
