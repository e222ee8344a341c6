# What the games played on Wine share. Source tests/e2e's steps.sh, x11.sh and desktops.sh first.

# Under a window manager Wine leaves its windows to it; with none, Wine must manage them itself,
# or no window of the game ever gets the keyboard.
# Usage: wine_manages_windows_for DESKTOP   (with WINEPREFIX set)
wine_manages_windows_for() {
    local managed=Y
    [ "$1" = none ] && managed=N
    "${BASH_SOURCE[0]%/*}/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed \
        /d "$managed" /f >/dev/null || fail "Wine's registry took no window management setting"
}

# The Windows version the prefix reports: win10, or win7 or win81 to see what older ones get.
# Qt 6 runs on Windows 10 and later; Debian 12's Wine 8 reports Windows 7 in a new prefix.
# Usage: wine_reports_windows VERSION   (with WINEPREFIX set)
wine_reports_windows() {
    "${BASH_SOURCE[0]%/*}/wine-run" reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null
}
