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

# Usage: wine_reports_windows win10|win81|win7   (Debian 12's Wine 8 reports win7 in a new
# prefix; Qt 6 needs Windows 10)
wine_reports_windows() {
    "${BASH_SOURCE[0]%/*}/wine-run" reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null
}
