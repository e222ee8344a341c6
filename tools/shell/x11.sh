# A private Xvfb, a window manager on it, and a few xdotool steps, for the end-to-end tests,
# the screenshots and the bench. Source run.sh and wait.sh first. The caller stops what they
# started, in its own EXIT trap, with stop_x11.

stop_x11() {
    stop_processes "${game:-}" "${wm:-}" "${xvfb:-}"
    game= wm= xvfb=
}

# Xvfb picks a free display itself and writes its number once it is ready. It picks by its
# abstract socket, which is shared by every root of the machine while lock files are not: a
# number taken in another root is passed over, and clients, which try that socket first,
# reach this server and no other.
# Usage: start_xvfb [WIDTHxHEIGHTxDEPTH]   (default 1024x768x24)
start_xvfb() {
    local displayfile
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset \
        3>"$displayfile" >/dev/null 2>&1 &
    xvfb=$!
    wait_for 10 test -s "$displayfile" || { rm -f "$displayfile"; fail "Xvfb did not start"; }
    export DISPLAY=:$(cat "$displayfile")
    rm -f "$displayfile"
    unset QT_QPA_PLATFORM
}

# A window manager on that server, once it has announced itself on the root window. The
# pointer is parked in a corner, off every window, so that no window takes keys by hovering.
start_wm() {
    "$@" >/dev/null 2>&1 &
    wm=$!
    wait_for 10 wm_announced "$1" || fail "$1 did not start"
    xdotool mousemove 1023 767
}

wm_announced() {
    kill -0 "$wm" 2>/dev/null || fail "$1 did not start"
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# The ids of the visible windows with this exact title, oldest first.
visible() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

# Sets found to the id of the newest visible window titled $1 other than $2, if there is one.
find_window() {
    game_runs "a window titled '$1'"
    found=$(visible "$1" | grep -v -x -e "${2:-}" | tail -n 1) || true
    [ -n "$found" ]
}

# The id of the newest visible window titled $1, other than $2 if given, once it is there.
window() {
    wait_for 10 find_window "$@" || fail "no visible window titled '$1'${2:+ but $2}"
    echo "$found"
}

only_visible() { [ "$(visible "$1")" = "$2" ]; }

# Waits until the window $2 is the only visible one titled $1.
wait_only_visible() {
    wait_for 10 only_visible "$1" "$2" || fail "window $2 is not the only one titled '$1' shown"
}

has_keyboard_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# Without a window manager nothing moves the keyboard focus: give it to the window first.
type_into() {
    xdotool windowfocus "$1"
    wait_for 5 has_keyboard_focus "$1" || fail "window $1 did not take the keyboard"
    shift
    xdotool "$@"
}

# Answers the two name boxes.
enter_names() {
    local id
    id=$(window "Player 1")
    type_into "$id" key ctrl+a type --delay 30 "$1"
    xdotool key Return
    id=$(window "Player 2")
    type_into "$id" key ctrl+a type --delay 30 "$2"
    xdotool key Return
}
