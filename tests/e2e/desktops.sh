# The desktops the end-to-end game is played on, started by name:
#   none openbox metacity xfwm4 fluxbox   an Xvfb server, with that window manager or none
#   icewm                                 (by hand: not among the desktops CTest plays on)
#   mutter-x11 kwin-x11                   GNOME's and KDE's window managers on an Xvfb server
#   sway mutter-wayland kwin-wayland      a headless compositor (wayland.sh), the game on
#                                         Qt's Wayland plugin
# Source steps.sh, x11.sh, wayland.sh, keys.sh and wm-log.sh with it. The caller stops the
# desktop with stop_x11 and stop_desktop.

start_desktop() {
    desktop=$1
    case "$desktop" in
        none) start_xvfb ;;
        openbox | metacity | icewm) need "$desktop" "$desktop"; start_xvfb; start_wm "$desktop" ;;
        # On its first run in a new home fluxbox sets a wallpaper, and where ImageMagick's
        # display is installed that fails into an xmessage window that takes the keyboard.
        fluxbox) need fluxbox fluxbox; start_xvfb; start_wm fluxbox -rc "$(fluxbox_settings)" ;;
        # xfwm4 reads its settings over a session bus.
        xfwm4) need xfwm4 xfwm4; start_xvfb; need dbus-run-session dbus-bin; start_wm dbus-run-session xfwm4 --compositor=off ;;
        sway)
            need sway sway; need_wayland; need jq jq; need_keys "${QUADREL_WAYLANDKEYS:-}" waylandkeys
            start_sway ;;
        # mutter manages an X server only when told so; both want a session bus.
        mutter-x11)
            need mutter mutter; need dbus-run-session dbus-bin; start_xvfb
            start_logged_wm dbus-run-session mutter --x11 --replace --sm-disable ;;
        kwin-x11)
            need kwin_x11 kwin-x11; need dbus-run-session dbus-bin; start_xvfb; kwin_settings
            start_logged_wm env QT_MESSAGE_PATTERN="$(kwin_log_pattern)" KWIN_COMPOSE=N \
                dbus-run-session kwin_x11 --replace ;;
        mutter-wayland)
            need mutter mutter; need_wayland; need_bus; need_keys "${QUADREL_MUTTERKEYS:-}" mutterkeys
            start_mutter ;;
        kwin-wayland)
            need kwin_wayland kwin-wayland; need_wayland; need_bus; need_keys "${QUADREL_WAYLANDKEYS:-}" waylandkeys
            start_kwin ;;
        *) fail "unknown desktop '$desktop'" ;;
    esac
}

stop_desktop() {
    stop_processes "${keys_pid:-}" "${compositor:-}" "${bus:-}"
    [ -n "${compositor_dir:-}" ] && rm -rf "$compositor_dir"
    [ -n "${wm_log:-}" ] && rm -f "$wm_log"
    keys_pid= compositor= bus= compositor_dir= wm_log=
    return 0
}

is_wayland() {
    case "$desktop" in sway | *-wayland) return 0 ;; *) return 1 ;; esac
}

need_wayland() {
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
        || skip "Qt's Wayland plugin is not installed (package qt6-wayland)"
}

need_bus() {
    need dbus-daemon dbus-daemon
    need dbus-send dbus-bin
}

need_keys() {
    [ -n "$1" ] && [ -x "$1" ] \
        || skip "$2 was not built (what it needs is in the desktops group of tools/install-deps)"
}

# KWin's messages carry their level, and it draws no frames: its stock frames need parts of
# the Plasma desktop that are not installed, and say so in the log for every window.
kwin_log_pattern() { echo '%{type} %{category}: %{message}'; }
kwin_settings() {
    mkdir -p "$XDG_CONFIG_HOME"
    printf '[org.kde.kdecoration2]\nNoPlugin=true\n' >"$XDG_CONFIG_HOME/kwinrc"
}

fluxbox_settings() {
    mkdir -p "$HOME/.fluxbox"
    printf 'background: none\n' >"$HOME/.fluxbox/overlay"
    printf 'session.styleOverlay: %s\n' "$HOME/.fluxbox/overlay" >"$HOME/.fluxbox/init"
    echo "$HOME/.fluxbox/init"
}

start_game() {
    game_log=
    if [ "$desktop" = sway ]; then
        QT_QPA_PLATFORM=wayland "$@" &
    elif is_wayland; then
        # What the compositor tells the game, read back by wayland_windows.
        game_log=$compositor_dir/game.log
        WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland "$@" 2>"$game_log" &
    else
        "$@" &
    fi
    game=$!
}
