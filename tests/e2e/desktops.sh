# The desktops the end-to-end game is played on, behind one set of steps: start the desktop,
# start the game, send keys to whatever has the keyboard, and tell which window has it.
# Source it after tools/x11-helpers.sh; `start_desktop` picks the desktop by name:
#   none openbox metacity xfwm4 fluxbox   an Xvfb server, with that window manager or none
#   icewm                                 (by hand: not among the desktops CTest plays on)
#   sway                                  a headless sway compositor, the game on Qt's Wayland plugin

desktop=
sent=
sway=
compositor_dir=

skip() { echo "SKIP: $*"; exit 0; }

need() {
    command -v "$1" >/dev/null 2>&1 || skip "$2 is not installed (make test-desktops installs it)"
}

stop_desktop() {
    if [ -n "$sway" ]; then
        kill "$sway" 2>/dev/null || true
        wait "$sway" 2>/dev/null || true
    fi
    [ -n "$compositor_dir" ] && rm -rf "$compositor_dir"
    sway= compositor_dir=
    return 0
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
        sway) need sway sway; need wtype wtype; need jq jq; start_sway ;;
        *) fail "unknown desktop '$desktop'" ;;
    esac
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

start_compositor_dir() {
    compositor_dir=$(mktemp -d)
    mkdir "$compositor_dir/home"
    if [ "$(id -u)" -eq 0 ]; then
        compositor_user=nobody
        chown -R "$compositor_user" "$compositor_dir"
        chmod 700 "$compositor_dir"
    fi
}

start_sway() {
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
        || skip "Qt's Wayland plugin is not installed (package qt6-wayland)"
    start_compositor_dir
    printf 'output HEADLESS-1 resolution 1024x768\n' >"$compositor_dir/config"
    export SWAYSOCK=$compositor_dir/sway.sock WAYLAND_DISPLAY=$compositor_dir/wayland-1
    exec_compositor env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        SWAYSOCK="$SWAYSOCK" WAYLAND_DISPLAY=wayland-1 \
        sway -c "$compositor_dir/config" >"$compositor_dir/sway.log" 2>&1 &
    sway=$!
    for _ in $(seq 100); do
        [ -S "$WAYLAND_DISPLAY" ] && swaymsg -q -t get_version 2>/dev/null && return 0
        kill -0 "$sway" 2>/dev/null || break
        sleep 0.1
    done
    cat "$compositor_dir/sway.log" >&2
    fail "sway did not start"
}

start_game() {
    if [ "$desktop" = sway ]; then
        QT_QPA_PLATFORM=wayland "$@" &
    else
        "$@" &
    fi
    game=$!
}

# Keys go to whichever window has the keyboard, never handed to a window first.
# A new virtual keyboard on Wayland loses its first key, so each burst starts with Shift; and
# one made the instant the last is gone loses more (one leg of five games in two, on sway), so bursts come at
# no more than a fast typist's pace.
send_text() {
    sent="'$1'"
    if [ "$desktop" = sway ]; then
        sleep 0.05
        wtype -k Shift_L -d 30 "$1"
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
        sleep 0.05
        wtype -k Shift_L "${mods[@]}" -k "$key" "${release[@]}"
    else
        xdotool key "$1"
    fi
}

# Windows as "title width height" lines, in logical pixels: the one that has the keyboard,
# or every window of the game that is shown.
focused_window() {
    if [ "$desktop" = sway ]; then
        sway_windows 'select(.focused == true)'
    else
        local id
        id=$(xdotool getwindowfocus 2>/dev/null) && x11_window "$id"
    fi
}

shown_windows() {
    if [ "$desktop" = sway ]; then
        sway_windows 'select(.visible == true)'
    else
        local id
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do x11_window "$id"; done
    fi
}

sway_windows() {
    swaymsg -r -t get_tree 2>/dev/null | jq -r ".. | objects | select(.pid?) | $1
        | \"\(.name) \(.window_rect.width) \(.window_rect.height)\""
}

x11_window() {
    local WIDTH HEIGHT
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
    case "$desktop" in none | sway) return 0 ;; esac
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
