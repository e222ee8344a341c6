# The desktops the end-to-end game is played on, behind one set of steps: start the desktop,
# start the game, send keys to whatever has the keyboard, and tell which window has it.
# Source it after tools/x11-helpers.sh; `start_desktop` picks the desktop by name:
#   none openbox metacity xfwm4 fluxbox   an Xvfb server, with that window manager or none
#   icewm                                 (by hand: not among the desktops CTest plays on)
#   mutter-x11 kwin-x11                   GNOME's and KDE's window managers on an Xvfb server
#   sway mutter-wayland kwin-wayland      a headless compositor, the game on Qt's Wayland plugin
# The window managers of GNOME and KDE log to a scratch file; expect_quiet_wm fails on any
# warning or critical they logged while the games ran (every window there is the game's).

desktop=
sent=
compositor_dir=
compositor=
bus=
bus_address=
keys_pid=
wm_log=
wm_mark=0
game_log=

skip() { echo "SKIP: $*"; exit 0; }

need() {
    command -v "$1" >/dev/null 2>&1 || skip "$2 is not installed (make test-desktops installs it)"
}

stop_desktop() {
    local pid
    for pid in "$keys_pid" "$compositor" "$bus"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [ -n "$compositor_dir" ] && rm -rf "$compositor_dir"
    [ -n "$wm_log" ] && rm -f "$wm_log"
    keys_pid= compositor= bus= compositor_dir= wm_log=
    return 0
}

is_wayland() {
    case "$desktop" in sway | *-wayland) return 0 ;; *) return 1 ;; esac
}

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
        sway) need sway sway; need_wayland; need wtype wtype; need jq jq; start_sway ;;
        # mutter manages an X server only when told so; both want a session bus.
        mutter-x11)
            need mutter mutter; need dbus-run-session dbus-bin; start_xvfb
            start_logged_wm dbus-run-session mutter --x11 --replace --sm-disable ;;
        kwin-x11)
            need kwin_x11 kwin-x11; need dbus-run-session dbus-bin; start_xvfb; kwin_settings
            start_logged_wm env QT_MESSAGE_PATTERN="$kwin_log_pattern" KWIN_COMPOSE=N \
                dbus-run-session kwin_x11 --replace ;;
        mutter-wayland)
            need mutter mutter; need_wayland; need_bus; need_keys "${QUADREL_MUTTERKEYS:-}" mutterkeys
            start_mutter ;;
        kwin-wayland)
            need kwin_wayland kwin-wayland; need_wayland; need_bus; need_keys "${QUADREL_KWINKEYS:-}" kwinkeys
            start_kwin ;;
        *) fail "unknown desktop '$desktop'" ;;
    esac
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

# A window manager on Xvfb whose messages go to a scratch file.
start_logged_wm() {
    wm_log=$(mktemp)
    start_wm sh -c 'exec "$@" >"$0" 2>&1' "$wm_log" "$@"
    wm_mark=$(wc -l <"$wm_log")
}

# KWin's messages carry their level, and it draws no frames: its stock frames need parts of
# the Plasma desktop that are not installed, and say so in the log for every window.
kwin_log_pattern='%{type} %{category}: %{message}'
kwin_settings() {
    mkdir -p "$XDG_CONFIG_HOME"
    printf '[org.kde.kdecoration2]\nNoPlugin=true\n' >"$XDG_CONFIG_HOME/kwinrc"
}

# A private session bus in the compositor's folder, for the compositor and the key sender.
start_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$compositor_dir/bus" \
        >/dev/null 2>&1 &
    bus=$!
    for _ in $(seq 100); do [ -s "$compositor_dir/bus" ] && break; sleep 0.1; done
    [ -s "$compositor_dir/bus" ] || fail "the session bus did not start"
    bus_address=$(head -n 1 "$compositor_dir/bus")
}

on_bus() {
    env DBUS_SESSION_BUS_ADDRESS="$bus_address" "$@"
}

# Waits for the compositor's socket and its name on the bus.
wait_compositor() {
    for _ in $(seq 150); do
        if [ -S "$WAYLAND_DISPLAY" ] && on_bus dbus-send --session --print-reply \
            --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner \
            "string:$1" 2>/dev/null | grep -q 'boolean true'; then
            wm_mark=$(wc -l <"$wm_log")
            return 0
        fi
        kill -0 "$compositor" 2>/dev/null || break
        sleep 0.1
    done
    cat "$wm_log" >&2
    fail "$desktop did not start"
}

# mutter and KWin run as whoever runs the test, root too, each with a bus of its own.
start_mutter() {
    start_compositor_dir
    start_bus
    wm_log=$compositor_dir/wm.log
    export WAYLAND_DISPLAY=$compositor_dir/wayland-q
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
    start_compositor_dir
    start_bus
    wm_log=$compositor_dir/wm.log
    kwin_settings
    cp "$(command -v kwin_wayland)" "$compositor_dir/kwin_wayland"
    export WAYLAND_DISPLAY=$compositor_dir/wayland-q
    exec_compositor env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        DBUS_SESSION_BUS_ADDRESS="$bus_address" KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 QT_MESSAGE_PATTERN="$kwin_log_pattern" \
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
    for _ in $(seq 100); do
        on_bus dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
            org.kde.kwin.Scripting.loadScript "string:$compositor_dir/watch.js" string:quadrel-watch \
            >/dev/null 2>&1 && break
        sleep 0.1
    done
    on_bus dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.start >/dev/null || fail "KWin did not take the watching script"
    wm_mark=$(wc -l <"$wm_log")
    start_keys "$QUADREL_KWINKEYS"
}

# The key sender of mutter or KWin keeps one connection for the whole leg; it answers "ok"
# to each line once the keys are in.
start_keys() {
    coproc KEYS { exec env DBUS_SESSION_BUS_ADDRESS="$bus_address" "$1" 2>"$compositor_dir/keys.log"; }
    keys_pid=$KEYS_PID
}

keys() {
    local reply=
    echo "$1" >&"${KEYS[1]}" && read -r -t 10 reply <&"${KEYS[0]}"
    [ "$reply" = ok ] || fail "the key sender did not take '$1': $(cat "$compositor_dir/keys.log")"
}

# Fails when the window manager logged a warning or a critical since it started: with no
# other client, each is about a window of ours. Three are not: an X window manager that still
# tidies up a window the game has just destroyed gets BadWindow back, which KWin logs; and
# Qt 6.4 on Wayland asks for the activation of a window that already has the keyboard
# whenever the focus moves inside it, naming the window that had the keyboard before as the
# asker, which KWin refuses ("Cannot grant a token"), and neither moves the keyboard; and
# mutter's complaint that a scratch session has no colour daemon, which mutter 48 on X11 makes
# a few seconds after it starts, sometimes only once the games have begun.
expect_quiet_wm() {
    [ -n "$wm_log" ] || return 0
    local said
    said=$(tail -n +$((wm_mark + 1)) "$wm_log" \
        | grep -E -i '^(warning|critical) |-(WARNING|CRITICAL) \*\*|window manager warning' \
        | grep -v -e 'XCB error: 3 (BadWindow)' -e 'kwin_core: Cannot grant a token' \
                  -e 'Failed to connect to colord daemon' || true)
    [ -z "$said" ] || fail "$desktop warned while the games ran:
$said"
}

fluxbox_settings() {
    mkdir -p "$HOME/.fluxbox"
    printf 'background: none\n' >"$HOME/.fluxbox/overlay"
    printf 'session.styleOverlay: %s\n' "$HOME/.fluxbox/overlay" >"$HOME/.fluxbox/init"
    echo "$HOME/.fluxbox/init"
}

# A compositor in a folder of its own. sway refuses to run as root: there, the compositor alone
# runs as nobody, and the game and the key sender, as root, reach its socket by its full path.
# Its environment is cleared, so the test's tag is passed on for hermetic to find it. The
# compositor takes the place of the shell that starts it, so that `$!` is its own process.
compositor_user=
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

# Usage: start_compositor_dir [USER]   the user the compositor runs as when we are root
start_compositor_dir() {
    compositor_dir=$(mktemp -d)
    mkdir "$compositor_dir/home"
    if [ "$(id -u)" -eq 0 ] && [ -n "${1:-}" ]; then
        compositor_user=$1
        chown -R "$compositor_user" "$compositor_dir"
        chmod 700 "$compositor_dir"
    fi
}

start_sway() {
    start_compositor_dir nobody
    printf 'output HEADLESS-1 resolution 1024x768\n' >"$compositor_dir/config"
    export SWAYSOCK=$compositor_dir/sway.sock WAYLAND_DISPLAY=$compositor_dir/wayland-1
    exec_compositor env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        SWAYSOCK="$SWAYSOCK" WAYLAND_DISPLAY=wayland-1 \
        sway -c "$compositor_dir/config" >"$compositor_dir/sway.log" 2>&1 &
    compositor=$!
    for _ in $(seq 100); do
        [ -S "$WAYLAND_DISPLAY" ] && swaymsg -q -t get_version 2>/dev/null && return 0
        kill -0 "$compositor" 2>/dev/null || break
        sleep 0.1
    done
    cat "$compositor_dir/sway.log" >&2
    fail "sway did not start"
}

start_game() {
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

# Keys go to whichever window has the keyboard, never handed to a window first.
# A new virtual keyboard on Wayland loses its first key, so each burst starts with Shift; and
# one made the instant the last is gone loses more (on sway, one leg of five games in two with
# no pause, one in about forty with 50 ms), so bursts come at a typist's pace.
send_text() {
    sent="'$1'"
    if [ "$desktop" = sway ]; then
        sleep 0.1
        wtype -k Shift_L -d 30 "$1"
    elif is_wayland; then
        keys "type $1"
    else
        xdotool type --delay 30 "$1"
    fi
}

# One key or chord in xdotool's spelling: Return, ctrl+n, ctrl+a.
send_key() {
    sent=$1
    if [ "$desktop" = sway ]; then
        local mods=() key=$1
        while [[ $key == *+* ]]; do mods+=(-M "${key%%+*}"); key=${key#*+}; done
        local release=()
        for ((i = ${#mods[@]} - 1; i > 0; i -= 2)); do release+=(-m "${mods[i]}"); done
        sleep 0.1
        wtype -k Shift_L "${mods[@]}" -k "$key" "${release[@]}"
    elif is_wayland; then
        keys "key $1"
    else
        xdotool key "$1"
    fi
}

# Windows as "title width height" lines, in logical pixels: the one that has the keyboard,
# or every window of the game that is shown.
focused_window() {
    if [ "$desktop" = sway ]; then
        sway_windows 'select(.focused == true)'
    elif is_wayland; then
        wayland_windows focused
    else
        local id
        id=$(xdotool getwindowfocus 2>/dev/null) && x11_window "$id"
    fi
}

shown_windows() {
    if [ "$desktop" = sway ]; then
        sway_windows 'select(.visible == true)'
    elif is_wayland; then
        wayland_windows shown
    else
        local id
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do x11_window "$id"; done
    fi
}

sway_windows() {
    swaymsg -r -t get_tree 2>/dev/null | jq -r ".. | objects | select(.pid?) | $1
        | \"\(.name) \(.window_rect.width) \(.window_rect.height)\""
}

# The game's windows as the compositor has told the game about them, from the game's own
# protocol log: a window is shown from its role to its role's end, its title and size are
# what the game asked for, and it has the keyboard from the keyboard's enter to its leave.
wayland_windows() {
    [ -s "$game_log" ] || return 0
    awk -v want="$1" '
        function id(kind) { match($0, kind "[@#][0-9]+"); return substr($0, RSTART, RLENGTH) }
        / -> xdg_wm_base[@#][0-9]+\.get_xdg_surface\(/ { surface[id("xdg_surface")] = id("wl_surface") }
        / -> xdg_surface[@#][0-9]+\.get_toplevel\(/ { w = surface[id("xdg_surface")]; of[id("xdg_toplevel")] = w; shown[w] = 1 }
        / -> xdg_toplevel[@#][0-9]+\.set_title\(/ { w = of[id("xdg_toplevel")]; match($0, /\(".*"\)/)
            title[w] = substr($0, RSTART + 2, RLENGTH - 4) }
        / -> xdg_surface[@#][0-9]+\.set_window_geometry\(/ { match($0, /\(.*\)/); split(substr($0, RSTART + 1, RLENGTH - 2), g, /, /)
            size[surface[id("xdg_surface")]] = g[3] " " g[4] }
        / -> xdg_toplevel[@#][0-9]+\.destroy\(/ { shown[of[id("xdg_toplevel")]] = 0 }
        / wl_keyboard[@#][0-9]+\.enter\(/ { focus = id("wl_surface") }
        / wl_keyboard[@#][0-9]+\.leave\(/ { focus = "" }
        END {
            for (w in shown)
                if (shown[w] && (want == "shown" || w == focus) && (w in size)) print title[w] " " size[w]
        }' "$game_log"
}

x11_window() {
    local WIDTH= HEIGHT=
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')"
    [ -n "$WIDTH" ] && echo "$(xdotool getwindowname "$1" 2>/dev/null) $WIDTH $HEIGHT"
}

# A window's kind from its line: its title, except that the three windows titled Quadrel
# are told apart by their size: "board", "dialog" (the word entry) or "message".
window_kind() {
    local parts
    read -r -a parts <<<"$1"
    [ ${#parts[@]} -ge 3 ] || return 0
    local height=${parts[-1]} width=${parts[-2]} title=${parts[*]:0:${#parts[@]}-2}
    if [ "$title" != Quadrel ]; then echo "$title"
    elif [ "$height" -gt 400 ]; then echo board
    elif [ "$width" -gt 450 ]; then echo dialog
    else echo message
    fi
}

is_shown() {
    local line
    while read -r line; do
        [ "$(window_kind "$line")" = "$1" ] && return 0
    done < <(shown_windows)
    return 1
}

# Waits for the window to show (up to 10 s), then for it to have the keyboard (1 s more).
expect_keyboard() {
    local kind=$1 shown=
    for _ in $(seq 100); do
        [ -z "$game" ] || kill -0 "$game" 2>/dev/null || fail "the game ended early, waiting for $kind"
        if is_shown "$kind"; then shown=1; break; fi
        sleep 0.1
    done
    [ -n "$shown" ] || fail "(play.sh:${BASH_LINENO[0]}) after $sent no $kind window shown (the keyboard is with '$(focused_window)')"
    for _ in $(seq 10); do
        [ "$(window_kind "$(focused_window)")" = "$kind" ] && return 0
        sleep 0.1
    done
    fail "(play.sh:${BASH_LINENO[0]}) after $sent the $kind window did not get the keyboard within a second (it is with '$(focused_window)')"
}

# The board keeps its size: its frame offers the window manager neither resizing nor
# maximizing, and a maximize request (as a program or a key binding sends it) does not grow it.
expect_fixed_size() {
    [ "$desktop" = none ] || is_wayland && return 0
    need wmctrl wmctrl
    local id functions before
    id=$(xdotool getwindowfocus)
    functions=$(xprop -id "$id" _MOTIF_WM_HINTS | sed -n 's/^[^=]*= [^,]*, *\([^,]*\),.*/\1/p')
    [ -n "$functions" ] || fail "the board has no _MOTIF_WM_HINTS"
    (( functions & 0x13 )) && fail "the board offers resizing or maximizing (_MOTIF_WM_HINTS functions $functions)"
    before=$(x11_window "$id")
    wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz
    sleep 0.3
    for _ in $(seq 20); do
        [ "$(x11_window "$id")" = "$before" ] && return 0
        sleep 0.1
    done
    fail "a maximize request grew the board from '$before' to '$(x11_window "$id")'"
}
