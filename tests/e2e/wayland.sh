# The headless Wayland compositors: sway, mutter and KWin, each in a scratch folder of its own
# that holds its socket, its log and its home.

# Usage: start_compositor_dir [USER]   the user the compositor runs as when we are root
start_compositor_dir() {
    compositor_dir=$(mktemp -d)
    mkdir "$compositor_dir/home"
    compositor_user=
    if [ "$(id -u)" -eq 0 ] && [ -n "${1:-}" ]; then
        compositor_user=$1
        chown -R "$compositor_user" "$compositor_dir"
        chmod 700 "$compositor_dir"
    fi
}

# sway refuses to run as root: there, the compositor alone runs as another user, and the game
# and the key sender, as root, reach its socket by its full path. Its environment is cleared,
# so the test's tag is passed on for hermetic to find it. The compositor takes the place of
# the shell that starts it, so that `$!` is its own process.
exec_compositor() {
    if [ -n "$compositor_user" ]; then
        exec setpriv --reuid="$compositor_user" --regid="$(id -g "$compositor_user")" --clear-groups \
            env -i PATH="$PATH" HOME="$compositor_dir/home" XDG_RUNTIME_DIR="$compositor_dir" \
            XDG_CONFIG_HOME="$compositor_dir/home/.config" XDG_CACHE_HOME="$compositor_dir/home/.cache" \
            XDG_DATA_HOME="$compositor_dir/home/.local/share" LANG=C.UTF-8 \
            QUADREL_TEST_TAG="${QUADREL_TEST_TAG:-}" "$@"
    fi
    XDG_RUNTIME_DIR=$compositor_dir exec "$@"
}

compositor_failed() {
    cat "$compositor_log" >&2
    fail "$desktop did not start"
}

# Succeeds once the compositor's socket is there and COMMAND succeeds; fails the run, with
# the compositor's log, once the compositor has ended.
compositor_answers() {
    kill -0 "$compositor" 2>/dev/null || compositor_failed
    [ -S "$WAYLAND_DISPLAY" ] && "$@" >/dev/null 2>&1
}

start_sway() {
    start_compositor_dir nobody
    compositor_log=$compositor_dir/sway.log
    printf 'output HEADLESS-1 resolution 1024x768\n' >"$compositor_dir/config"
    export SWAYSOCK=$compositor_dir/sway.sock WAYLAND_DISPLAY=$compositor_dir/wayland-1
    exec_compositor env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        SWAYSOCK="$SWAYSOCK" WAYLAND_DISPLAY=wayland-1 \
        sway -c "$compositor_dir/config" >"$compositor_log" 2>&1 &
    compositor=$!
    wait_for 10 compositor_answers swaymsg -t get_version || compositor_failed
    start_keys "$QUADREL_WAYLANDKEYS"
}

# A private session bus in the compositor's folder, for the compositor and the key sender.
start_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$compositor_dir/bus" \
        >/dev/null 2>&1 &
    bus=$!
    wait_for 10 test -s "$compositor_dir/bus" || fail "the session bus did not start"
    bus_address=$(head -n 1 "$compositor_dir/bus")
}

on_bus() {
    env DBUS_SESSION_BUS_ADDRESS="$bus_address" "$@"
}

bus_has_name() {
    on_bus dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q 'boolean true'
}

# Waits for the compositor's name on the bus.
wait_compositor() {
    wait_for 15 compositor_answers bus_has_name "$1" || compositor_failed
    mark_wm_log
}

# mutter and KWin run as whoever runs the test, root too, each with a bus of its own, and
# log to wm.log.
start_bus_compositor() {
    start_compositor_dir
    start_bus
    wm_log=$compositor_dir/wm.log compositor_log=$compositor_dir/wm.log
    export WAYLAND_DISPLAY=$compositor_dir/wayland-q
}

start_mutter() {
    start_bus_compositor
    exec_compositor env -u DISPLAY -u WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS="$bus_address" \
        mutter --wayland --headless --virtual-monitor 1024x768 --no-x11 --wayland-display=wayland-q \
        >"$wm_log" 2>&1 &
    compositor=$!
    wait_compositor org.gnome.Mutter.RemoteDesktop
    start_keys "$QUADREL_MUTTERKEYS"
}

# /usr/bin/kwin_wayland carries a file capability that a container may refuse to run; a copy
# has none. Without a permission check it offers fake input to any client. A script inside it
# logs every window that it flags as demanding attention.
start_kwin() {
    start_bus_compositor
    kwin_settings
    cp "$(command -v kwin_wayland)" "$compositor_dir/kwin_wayland"
    exec_compositor env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        DBUS_SESSION_BUS_ADDRESS="$bus_address" KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 \
        QT_MESSAGE_PATTERN="$(kwin_log_pattern)" \
        "$compositor_dir/kwin_wayland" --virtual --width 1024 --height 768 --no-lockscreen \
        --socket wayland-q >"$wm_log" 2>&1 &
    compositor=$!
    wait_compositor org.kde.KWin
    printf '%s\n' '(workspace.windowAdded || workspace.clientAdded).connect(function (window) {' \
        '    window.demandsAttentionChanged.connect(function () {' \
        '        if (window.demandsAttention)' \
        '            console.warn("window demands attention: " + window.caption);' \
        '    });' '});' >"$compositor_dir/watch.js"
    # KWin takes its name on the bus before its scripting is there.
    wait_for 10 on_bus dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.loadScript "string:$compositor_dir/watch.js" string:quadrel-watch \
        >/dev/null 2>&1 || true
    on_bus dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.start >/dev/null || fail "KWin did not take the watching script"
    mark_wm_log
    start_keys "$QUADREL_WAYLANDKEYS"
}
