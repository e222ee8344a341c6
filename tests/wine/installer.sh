#!/usr/bin/env bash
# The installer with /S in one new Wine prefix: refusing Windows 7 and 8.1; on Windows 10 for
# the user (an earlier version in a folder given with /D, this one over it, over itself) and
# for all users, each time one copy and one entry, and each uninstall leaving the prefix's
# files and registry as they were. The installed game starts and Ctrl+X ends it.
# Usage: installer.sh SETUP.EXE RELEASE_FOLDER DISPLAY_VERSION PUBLISHER
set -euo pipefail
setup=$1 release=$2 version=$3 publisher=$4
here=$(dirname "$0")
for part in steps x11 desktops keys focus; do source "$here/../e2e/$part.sh"; done
source "$here/windows.sh"
scratch=$(mktemp -d)
trap 'stop_x11; stop_desktop; wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/prefix
# The installed game must find every DLL in its own folder, none in the build's.
unset QUADREL_WINE_DLL_DIRS
wine=$here/wine-run
# The display first: Wine's desktop process, started by the first program, keeps the display
# it found for every later one.
start_desktop none
"$wine" wineboot --init
wine_manages_windows_for none

# Drive C and both registries, but for the times of keys, what Wine lists anew at each start
# (devices, the host's fonts), and the empty %TEMP%\~nsuA.tmp NSIS's uninstaller ran from.
wine_lists='^\[(System\\\\CurrentControlSet\\\\(Control\\\\Class|Enum)\\\\|Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\NetworkCards[]\\]|.*CurrentVersion\\\\Fonts]|Software\\\\Wine\\\\Fonts\\\\External Fonts])'
prefix_state() {
    timeout 60 wineserver -w
    { (cd "$WINEPREFIX/drive_c" && find . -mindepth 1 -printf '%y %P\n' | LC_ALL=C sort) \
        | grep -v -E '^d users/[^/]+/Temp/~nsu[A-Z0-9]*\.tmp$'
      for root in HKLM:system HKCU:user; do
          echo "== ${root%:*}"
          sed -E -e 's/^(\[.*\]) [0-9]+$/\1/' -e '/^#time=/d' "$WINEPREFIX/${root#*:}.reg" \
              | wine_lists=$wine_lists awk '/^\[/ { listed = $0 ~ ENVIRON["wine_lists"] } !listed'
      done; } >"$1"
}

# The prefix holds $before and one copy (FOLDER's files, the uninstaller, the shortcut) and
# one entry, under ROOT (HKCU or HKLM).
# Usage: expect_installed FOLDER INSTALLED SHORTCUT_ROOT ROOT DISPLAY_VERSION
expect_installed() {
    local copy=${2#C:\\}
    copy=${copy//\\//}
    { grep '^f ' "$before"; (cd "$1" && find . -type f -printf "f $copy/%P\n")
      printf 'f %s\n' "$copy/Uninstall.exe" "$3/Microsoft/Windows/Start Menu/Programs/Quadrel.lnk"
    } | LC_ALL=C sort >"$scratch/expected"
    prefix_state "$scratch/now"
    grep '^f ' "$scratch/now" | diff "$scratch/expected" - >&2 || fail "not one copy in $2"
    sed -n -E '/^== /h; /^\[.*Uninstall\\\\Quadrel]$/,/^$/ { s/^"([^"]+)"="(.*)"$/\1=\2/; T; G;
        s/\\\\/\x01/g; s/\\"/"/g; s/\x01/\\/g; s/\n== (.*)/ (\1)/; p }' "$scratch/now" >"$scratch/entry"
    for field in DisplayName=Quadrel "DisplayVersion=$5" "Publisher=$publisher" "InstallLocation=$2"; do
        grep -q -x -F "$field ($4)" "$scratch/entry" || fail "the entry under $4 has no $field"
    done
    [ "$(grep -c '^DisplayName=' "$scratch/entry")" = 1 ] || fail "more than one entry"
    echo "installed in $2: $(find "$1" -type f | wc -l) files and the uninstaller; one entry, under $4"
}

# Runs the entry's quiet uninstall command, as read by expect_installed.
uninstall() {
    [[ $(cat "$scratch/entry") =~ QuietUninstallString=\"([^\"]+)\"\ ([^ ]+)\ \( ]] \
        || fail "no quiet uninstall command"
    "$wine" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
    timeout 60 wineserver -w  # Windows deletes the uninstaller's copy when it next starts.
    "$wine" wineboot --restart
    prefix_state "$scratch/now"
    diff "$before" "$scratch/now" >&2 || fail "the uninstaller left the prefix changed"
    echo "uninstalled: the prefix is as it was"
}

before=$scratch/before
for old in win7 win81; do
    wine_reports_windows "$old"
    prefix_state "$before"
    status=0
    "$wine" "$setup" /S || status=$?
    prefix_state "$scratch/now"
    [ "$status" -ne 0 ] && cmp -s "$before" "$scratch/now" || fail "$old was not refused"
    echo "$old: refused with status $status, nothing installed"
done

wine_reports_windows win10
prefix_state "$before"
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public)
# An earlier version: the game and a folder this one no longer has.
mkdir -p "$scratch/earlier/obsolete"
cp -l "$release/Quadrel.exe" "$scratch/earlier"
echo obsolete >"$scratch/earlier/obsolete/earlier-only.txt"
"$here/../../tools/windows/installer" "$scratch/earlier" "$scratch/earlier.exe" 0.0.0.1 0.01 \
    "$publisher" "$publisher" "$here/../../assets/quadrel.ico"
"$wine" "$scratch/earlier.exe" /S '/D=C:\Games\Quadrel'
expect_installed "$scratch/earlier" 'C:\Games\Quadrel' "users/$user/AppData/Roaming" HKCU 0.01
folder="C:\\users\\$user\\AppData\\Local\\Programs\\Quadrel"
for over in "the earlier version" itself; do
    "$wine" "$setup" /S
    expect_installed "$release" "$folder" "users/$user/AppData/Roaming" HKCU "$version"
    echo "(over $over)"
done

start_game "$wine" "$folder\\Quadrel.exe"
step "Player 1" type Ann Return
step "Player 2" type Bob Return
step board
ctrl_x_ends_game send_key ctrl+x
echo "the installed game started, and Ctrl+X ended it with status 0"
uninstall

"$wine" "$setup" /S /AllUsers
expect_installed "$release" 'C:\Program Files\Quadrel' ProgramData HKLM "$version"
uninstall
