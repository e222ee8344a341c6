#!/usr/bin/env bash
# The installer in one new Wine prefix, run with /S as a deployment script would:
# - on Windows 7 and 8.1 it refuses with a non-zero status, and the prefix is unchanged;
# - on Windows 10, for the current user: an earlier version, in a folder of the player's
#   choice, then this one over it, then this one again: each time the prefix holds one copy
#   (the release's files, the uninstaller, the user's Start-menu shortcut) and one entry among
#   installed apps, in the user's registry; the installed game starts and Ctrl+X ends it;
# - for all users (/AllUsers): Program Files, the common Start menu, the machine's registry;
# - each uninstaller, started as Windows would (the entry's QuietUninstallString), leaves the
#   prefix's files and registry as they were before the first install.
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

# Every file and folder of drive C and both registries, once the prefix's processes have
# ended. Left out: the times Wine notes on each key; what Wine lists again at each session's
# start (the devices it finds, the host's fonts); and the empty folder in which NSIS's
# uninstaller ran a copy of itself (%TEMP%\~nsuA.tmp), which it asks Windows to remove at the
# next start before the copy in it.
wine_lists='^\[(System\\\\CurrentControlSet\\\\(Control\\\\Class|Enum)\\\\|Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\NetworkCards[]\\]|.*CurrentVersion\\\\Fonts]|Software\\\\Wine\\\\Fonts\\\\External Fonts])'
prefix_state() {
    timeout 60 wineserver -w
    (cd "$WINEPREFIX/drive_c" && find . -mindepth 1 -printf '%y %P\n' | LC_ALL=C sort) \
        | grep -v -E '^d users/[^/]+/Temp/~nsu[A-Z0-9]*\.tmp$' || true
    local root
    for root in HKLM:system HKCU:user; do
        echo "== ${root%:*}"
        sed -E -e 's/^(\[.*\]) [0-9]+$/\1/' -e '/^#time=/d' "$WINEPREFIX/${root#*:}.reg" \
            | wine_lists=$wine_lists awk '/^\[/ { listed = $0 ~ ENVIRON["wine_lists"] } !listed'
    done
}
expect_state() {
    prefix_state >"$scratch/now"
    diff "$1" "$scratch/now" >&2 || fail "$2"
}

# The text values of the entry among installed apps under ROOT (HKLM or HKCU) in a saved
# state, as NAME=VALUE lines.
# Usage: entry STATE ROOT
entry() {
    awk -v root="== $2" -v key='[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Quadrel]' '
        /^== / { inRoot = $0 == root } /^\[/ { inKey = inRoot && $0 == key; next } inKey' "$1" \
        | sed -n -E 's/^"([^"]+)"="(.*)"$/\1=\2/; T; s/\\\\/\x01/g; s/\\"/"/g; s/\x01/\\/g; p'
}

# The prefix holds what it held in BEFORE, and now one copy: the files of FOLDER (a Unix
# folder) in the Windows folder INSTALLED, the uninstaller and the shortcut in the Start menu
# under SHORTCUT_ROOT (a folder of drive C); and one entry, under ROOT, of DISPLAY_VERSION.
# Usage: expect_installed BEFORE FOLDER INSTALLED SHORTCUT_ROOT ROOT DISPLAY_VERSION
expect_installed() {
    local copy=${3#C:\\} other=HKLM
    copy=${copy//\\//}
    [ "$5" = HKLM ] && other=HKCU
    { grep '^f ' "$1"
      (cd "$2" && find . -type f -printf "f $copy/%P\n")
      echo "f $copy/Uninstall.exe"
      echo "f $4/Microsoft/Windows/Start Menu/Programs/Quadrel.lnk"; } | LC_ALL=C sort >"$scratch/expected"
    prefix_state >"$scratch/now"
    grep '^f ' "$scratch/now" | diff "$scratch/expected" - >&2 \
        || fail "the prefix does not hold exactly one copy of the release in $3"
    entry "$scratch/now" "$5" >"$scratch/entry"
    for field in DisplayName=Quadrel "DisplayVersion=$6" "Publisher=$publisher" \
        "InstallLocation=$3" "DisplayIcon=$3\\Quadrel.exe,0"; do
        grep -q -x -F "$field" "$scratch/entry" || fail "the entry under $5 has no $field"
    done
    [ -z "$(entry "$scratch/now" $other)" ] || fail "an entry under $other too"
    echo "installed in $3: $(find "$2" -type f | wc -l) files and the uninstaller; one entry, under $5"
}

# Runs the uninstaller that the entry under ROOT names, as Windows would, after
# expect_installed: the prefix must be as it was in BEFORE.
# Usage: uninstall ROOT BEFORE
uninstall() {
    local quiet
    quiet=$(entry "$scratch/now" "$1" | sed -n 's/^QuietUninstallString=//p')
    [[ $quiet =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "no quiet uninstall command under $1: '$quiet'"
    "$wine" "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}
    # Windows deletes the uninstaller's temporary copy when it next starts; Wine, when its
    # next session starts.
    timeout 60 wineserver -w
    "$wine" wineboot --restart
    expect_state "$2" "the uninstaller under $1 did not leave the prefix as it was before"
    echo "uninstalled from $1: the prefix is as it was"
}

for old in win7 win81; do
    wine_reports_windows "$old"
    prefix_state >"$scratch/before"
    status=0
    "$wine" "$setup" /S || status=$?
    [ "$status" -ne 0 ] || fail "the installer did not refuse $old"
    expect_state "$scratch/before" "the refused installer on $old changed the prefix"
    echo "$old: refused with status $status, nothing installed"
done

wine_reports_windows win10
prefix_state >"$scratch/before"
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public)
user_folder="users/$user/AppData/Roaming"

# An earlier version, with a file this one no longer has, in a folder the player chose.
cp -al "$release" "$scratch/earlier"
echo obsolete >"$scratch/earlier/earlier-only.txt"
"$here/../../tools/windows/installer" "$scratch/earlier" "$scratch/earlier-setup.exe" 0.0.0.1 0.01 \
    "$publisher" "$publisher" "$here/../../assets/quadrel.ico"
"$wine" "$scratch/earlier-setup.exe" /S '/D=C:\Games\Quadrel'
expect_installed "$scratch/before" "$scratch/earlier" 'C:\Games\Quadrel' "$user_folder" HKCU 0.01

folder="C:\\users\\$user\\AppData\\Local\\Programs\\Quadrel"
for over in "the earlier version" "the same version"; do
    "$wine" "$setup" /S
    expect_installed "$scratch/before" "$release" "$folder" "$user_folder" HKCU "$version"
    echo "(over $over)"
done

start_game "$wine" "$folder\\Quadrel.exe"
step "Player 1" type Ann Return
step "Player 2" type Bob Return
step board
ctrl_x_ends_game send_key ctrl+x
echo "the installed game started, and Ctrl+X ended it with status 0"
uninstall HKCU "$scratch/before"

"$wine" "$setup" /S /AllUsers
expect_installed "$scratch/before" "$release" 'C:\Program Files\Quadrel' ProgramData HKLM "$version"
uninstall HKLM "$scratch/before"
