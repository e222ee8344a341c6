#!/usr/bin/env bash
# The installer in a new Wine prefix of its own: /S installs without a question; the game's
# files, the Start-menu shortcut and the entry among installed apps are there; the installed
# game starts (no window manager) and Ctrl+X ends it; /S uninstalls, leaving nothing of it.
# Usage: installer.sh SETUP.EXE RELEASE_FOLDER DISPLAY_VERSION PUBLISHER
set -euo pipefail
setup=$1 release=$2 version=$3 publisher=$4
here=$(dirname "$0")
for part in steps x11 desktops keys focus; do source "$here/../e2e/$part.sh"; done
source "$here/windows.sh"
scratch=$(mktemp -d)
trap 'stop_x11; stop_desktop; wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/prefix
# The installed game must find every DLL in its own folder, none in the build's.
unset QUADREL_WINE_DLL_DIRS
wine=$here/wine-run
# The display first: Wine's desktop process, started by the first program, keeps the display
# it found for every later one.
start_desktop none
"$wine" wineboot --init
wine_manages_windows_for none
folder="$WINEPREFIX/drive_c/Program Files/Quadrel"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quadrel.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quadrel'

files() { (cd "$1" && find . -type f | sort); }
registry() { "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }
expect_entry() {
    [ "$(registry "$1")" = "$2" ] || fail "the uninstall entry's $1 is '$(registry "$1")', not '$2'"
}

"$wine" "$setup" /S
timeout 60 wineserver -w
[ -d "$folder" ] || fail "nothing was installed in Program Files\\Quadrel"
[ "$(files "$folder" | grep -v -x ./Uninstall.exe)" = "$(files "$release")" ] \
    || fail "Program Files\\Quadrel does not hold exactly the release's files"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
expect_entry DisplayName Quadrel
expect_entry DisplayVersion "$version"
expect_entry Publisher "$publisher"
expect_entry DisplayIcon 'C:\Program Files\Quadrel\Quadrel.exe,0'
echo "installed: $(files "$folder" | wc -l) files, the shortcut and the uninstall entry"

start_game "$wine" 'C:\Program Files\Quadrel\Quadrel.exe'
step "Player 1" type Ann Return
step "Player 2" type Bob Return
step board
ctrl_x_ends_game send_key ctrl+x
echo "the installed game started, and Ctrl+X ended it with status 0"

"$wine" 'C:\Program Files\Quadrel\Uninstall.exe' /S
timeout 60 wineserver -w
[ ! -e "$folder" ] || fail "the uninstaller left $(files "$folder" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left the uninstall entry"
echo "uninstalled: no file, shortcut or entry left"
